#pragma once

#include "support/stand_ins.h"
#include "support/temporary_folder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace ui_testing {

// Receives what the app asks the desktop to open, once set as the handler of a URL scheme.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

struct AlertRecord {
    QString text, informativeText;
    QMessageBox::Icon icon;
    QStringList buttons;
    QString missed;  // what a keyboard or screen-reader user would miss; empty when nothing
};

// While it lives, answers every modal alert as a keyboard user would: records what it shows, then
// presses Return, or for an alert that asks, gives the next of `answers`: "Escape" or a button's title.
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
            const QString answer = box->buttons().size() > 1 && !answers.isEmpty() ? answers.takeFirst() : QString();
            QStringList buttons;
            QAbstractButton* chosen = nullptr;
            for (QAbstractButton* button : box->buttons())
                buttons << button->text(), chosen = button->text() == answer ? button : chosen;
            QString& missed =
                alerts.emplaceBack(AlertRecord{box->text(), box->informativeText(), box->icon(), buttons, {}}).missed;
            // The safe choice has focus and answers Return: Cancel where the alert asks, else OK.
            const QString safe = QString::fromLatin1(buttons.contains(QStringLiteral("Cancel")) ? "Cancel" : "OK");
            if (!focus || focus != box->defaultButton() || static_cast<QAbstractButton*>(focus)->text() != safe)
                missed += QStringLiteral("a focused default %1; ").arg(safe);
            if (reader->text(QAccessible::Name) != box->text()
                || reader->text(QAccessible::Description) != box->informativeText())
                missed += QStringLiteral("title and message read out; ");
            if (chosen)
                chosen->setFocus(), QTest::keyClick(chosen, Qt::Key_Space);
            else
                QTest::keyClick(box, answer == u"Escape" ? Qt::Key_Escape : Qt::Key_Return);
            if (box->isVisible())
                box->reject(), missed += QStringLiteral("closed by the keyboard");
        });
        timer_.start(10);
    }
    QList<AlertRecord> alerts;
    QStringList answers;
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

// What a drag of `urls` carries, as Finder's does.
inline std::unique_ptr<QMimeData> dragOf(const QList<QUrl>& urls)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

// A private HOME and TMPDIR for one test, with the stand-ins for the system beside them, so
// nothing touches the real ones.
struct TemporaryHome {
    testing_support::TemporaryFolder root;
    testing_support::ScopedEnvironment home{"HOME", root.path()}, tmp{"TMPDIR", root.path()};
    testing_support::StandInSystem system{root.path()};
    std::filesystem::path layouts() const { return root / "Library/Keyboard Layouts"; }
    installer::SystemTools tools(bool withInputMenu = false) { return system.tools(withInputMenu); }
};

using testing_support::validLayout;

}  // namespace ui_testing
