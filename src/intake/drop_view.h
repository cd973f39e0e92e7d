#pragma once

#include "installer/install_scope.h"

#include <QColor>
#include <QWidget>

#include <functional>

class QLabel;
class QMimeData;
class QUrl;

namespace intake {

// The drop area: a dragged .keylayout file or keyboard .bundle folder is installed in the
// scope that the scope provider gives at the moment of the drop.
class DropView : public QWidget {
    Q_OBJECT

public:
    explicit DropView(QWidget* parent = nullptr);

    void setScopeProvider(std::function<installer::InstallScope()> provider);

    // The whole drop, alerts included; true exactly when a layout was installed.
    bool performDragOperation(const QMimeData* data);

    // Everything a drop does once it has the item's local file URL; every way in comes here.
    bool installItem(const QUrl& url);

    // Transparent at rest, the accent colour while a drag hovers.
    QColor borderColor() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHighlighted(bool highlighted);
    void showInstalled(const QString& name);
    void applyLabelColors();

    std::function<installer::InstallScope()> scopeProvider_;
    QLabel* titleLabel_;
    QLabel* hintLabel_;
    bool highlighted_ = false;
    bool showsInstalled_ = false;
};

}  // namespace intake
