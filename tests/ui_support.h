#pragma once

#include "support/temporary_folder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace ui_testing {

struct AlertRecord {
    QString text, informativeText;
    QMessageBox::Icon icon;
    QString missed;  // what a keyboard or screen-reader user would miss; empty when nothing
};

// While it lives, answers every modal alert as a keyboard user would: records what it shows,
// then presses Return.
struct AlertCatcher {
    AlertCatcher()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QWidget* focus = QApplication::focusWidget();
            if (!box || !box->isVisible() || ((!focus || focus->window() != box) && ++waited_ < 100))
                return;  // a second at most for the alert to take focus
            waited_ = 0;
            const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
            alerts.append({box->text(), box->informativeText(), box->icon(), {}});
            if (box->buttons().size() != 1 || box->buttons().front() != focus || box->buttons().front()->text() != u"OK")
                alerts.back().missed += QStringLiteral("a focused OK button alone; ");
            if (reader->text(QAccessible::Name) != box->text() || reader->text(QAccessible::Description) != box->informativeText())
                alerts.back().missed += QStringLiteral("title and message read out; ");
            QTest::keyClick(box, Qt::Key_Return);
            if (box->isVisible())
                box->reject(), alerts.back().missed += QStringLiteral("closed by Return");
        });
        timer_.start(10);
    }
    QList<AlertRecord> alerts;
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
    testing_support::TemporaryFolder root;
    testing_support::ScopedEnvironment home{"HOME", root.path()}, tmp{"TMPDIR", root.path()};
    std::filesystem::path layouts() const { return root / "Library/Keyboard Layouts"; }
};

}  // namespace ui_testing
