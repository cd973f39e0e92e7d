#pragma once

#include "support/temporary_folder.h"

#include <QAbstractButton>
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
};

// While it lives, answers every modal alert: records what it says, then clicks its OK button.
class AlertCatcher {
public:
    AlertCatcher()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            alerts.append({box->text(), box->informativeText(), box->icon(), {}});
            for (QAbstractButton* button : box->buttons())
                alerts.back().buttons << button->text();
            box->reject();  // what OK would do; the keyboard journey presses OK itself
        });
        timer_.start(10);
    }
    QList<AlertRecord> alerts;

private:
    QTimer timer_;
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
