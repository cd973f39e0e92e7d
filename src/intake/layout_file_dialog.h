#pragma once

#include <QFileDialog>
#include <QUrl>

#include <optional>

namespace intake {

// A file chooser for layouts in which a .bundle folder is chosen like a file instead of opened;
// macOS's own panel does so already, and Qt's dialog does so here.
class LayoutFileDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit LayoutFileDialog(QWidget* parent);

    // What the chooser asks for; the drop area, which opens it, goes by the same words.
    static QString title();

    // Shows the chooser; the chosen item's file URL, or nothing when the user cancels.
    static std::optional<QUrl> choose(QWidget* parent);

    std::optional<QUrl> chosen() const;

protected:
    void accept() override;
    void done(int result) override;

private:
    void chooseBundle(const QString& bundle);

    std::optional<QUrl> chosen_;
};

}  // namespace intake
