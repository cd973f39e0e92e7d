#include "ui_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace ui_testing {

AlertCatcher::AlertCatcher()
{
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &AlertCatcher::answer);
    timer_.start();
}

void AlertCatcher::answer()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    AlertRecord record{box->text(), box->informativeText(), box->icon(), {}};
    QAbstractButton* ok = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        record.buttons.append(button->text());
        if (button->text() == QStringLiteral("OK"))
            ok = button;
    }
    alerts_.append(record);
    if (ok)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        box->reject();  // a box without OK is recorded as such; don't hang the test
}

QImage render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TemporaryHome::TemporaryHome()
{
    std::filesystem::create_directories(home());
    std::filesystem::create_directories(tmp());
    home_.emplace("HOME", home().string());
    tmp_.emplace("TMPDIR", tmp().string());
}

}  // namespace ui_testing
