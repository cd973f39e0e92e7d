#pragma once

#include <QColor>
#include <QUrl>
#include <QWidget>

class QLabel;
class QMimeData;

namespace intake {

// The drop area: shows where a .keylayout file or keyboard .bundle folder goes and reports what
// arrives; what becomes of it is its window's to decide. It is also a button: a click, Space or
// Return asks for a file chooser.
class DropView : public QWidget {
    Q_OBJECT

public:
    explicit DropView(QWidget* parent = nullptr);

    // What the hint says, also what assistive technology reads as the view's value.
    QString hintText() const;

    // How a screen reader explains the drop area.
    static QString accessibleHelp();

    // Transparent at rest, the accent colour while a drag hovers or the view has focus.
    QColor borderColor() const;

    // While the app is busy the view takes no drag and asks for no chooser.
    void setBusy(bool busy);

    // Reports the dragged item as dropped; true when the data held a local file to take.
    bool performDragOperation(const QMimeData* data);

    // Asks for the chooser, as a click does.
    void chooseItem();

    // The hint says what the app waits for, then reads as it did.
    void showWaitingForAdministrator(bool waiting);
    // The labels say that the item of this name has been installed.
    void showInstalled(const QString& name);

signals:
    // The first local file URL of a drop: a .keylayout file or .bundle folder, or anything else.
    void dropped(const QUrl& item);
    void chooserRequested();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHighlighted(bool highlighted);
    void applyLabelColors();

    QLabel* titleLabel_;
    QLabel* hintLabel_;
    QString hintBeforeWaiting_;
    bool busy_ = false;
    bool highlighted_ = false;
    bool showsInstalled_ = false;
};

}  // namespace intake
