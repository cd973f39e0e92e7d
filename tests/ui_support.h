#pragma once

#include "support/temporary_folder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace ui_testing {

struct AlertRecord {
    QString text, informativeText;
    QMessageBox::Icon icon;
    QStringList buttons;
    QString focused, spoken;  // the focused button, and the alert's accessible name and description
};

// While it lives, answers every modal alert as a keyboard user would: records what it shows and
// tells a screen reader, then presses Return on the focused button.
class AlertCatcher {
public:
    AlertCatcher()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QWidget* focus = QApplication::focusWidget();
            if (!box || !box->isVisible() || ((!focus || focus->window() != box) && ++waited_ < 100))
                return;  // a second at most for the alert to take focus
            waited_ = 0;
            const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(box);
            alerts.append({box->text(), box->informativeText(), box->icon(), {},
                           focus && focus->window() == box ? focus->property("text").toString() : QString(),
                           spoken->text(QAccessible::Name) + u'|' + spoken->text(QAccessible::Description)});
            for (QAbstractButton* button : box->buttons())
                alerts.back().buttons << button->text();
            QTest::keyClick(box, Qt::Key_Return);
            if (box->isVisible())
                box->reject(), alerts.back().focused += QStringLiteral(" (Return left it open)");
        });
        timer_.start(10);
    }
    QList<AlertRecord> alerts;

private:
    QTimer timer_;
    int waited_ = 0;
};

// The widget and its children drawn over white, one image pixel per logical pixel.
inline QImage render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// A private HOME and TMPDIR for one test, so nothing touches the real ones.
struct TemporaryHome {
    TemporaryHome()
    {
        std::filesystem::create_directories(root / "home");
        std::filesystem::create_directories(root / "tmp");
    }
    testing_support::TemporaryFolder root;
    testing_support::ScopedEnvironment home{"HOME", (root / "home").string()};
    testing_support::ScopedEnvironment tmp{"TMPDIR", (root / "tmp").string()};
    std::filesystem::path layouts() const { return root / "home/Library/Keyboard Layouts"; }
};

}  // namespace ui_testing
