#pragma once

#include <QPushButton>

namespace app {

// A toggle button that, while checked, shows a rounded highlight in the accent colour so
// the chosen scope stands out.
class ScopeButton : public QPushButton {
    Q_OBJECT

public:
    explicit ScopeButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app
