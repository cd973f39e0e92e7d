#pragma once

#include <QImage>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <filesystem>
#include <optional>

#include "support/temporary_folder.h"

class QWidget;

namespace ui_testing {

struct AlertRecord {
    QString text;
    QString informativeText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// While it lives, answers every modal alert: records what it says, then clicks its OK button.
class AlertCatcher : public QObject {
public:
    AlertCatcher();
    const QList<AlertRecord>& alerts() const { return alerts_; }

private:
    void answer();

    QTimer timer_;
    QList<AlertRecord> alerts_;
};

// The widget and its children drawn over white, one image pixel per logical pixel.
QImage render(QWidget& widget);

// A private HOME and TMPDIR for one test, so nothing touches the real ones.
class TemporaryHome {
public:
    TemporaryHome();
    std::filesystem::path home() const { return root_ / "home"; }
    std::filesystem::path tmp() const { return root_ / "tmp"; }
    std::filesystem::path root() const { return root_.path(); }

private:
    testing_support::TemporaryFolder root_;
    std::optional<testing_support::ScopedEnvironment> home_;
    std::optional<testing_support::ScopedEnvironment> tmp_;
};

}  // namespace ui_testing
