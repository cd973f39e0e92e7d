#pragma once

#include "layout/keyboard_model.h"

#include <QWidget>

#include <filesystem>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

namespace app {

class KeyboardView;

// What an installed item's layouts type: a keyboard picture with a choice of the item's layouts,
// of the keyboard's shape and of Caps Lock, and a note below it.
class KeyboardPanel : public QWidget {
    Q_OBJECT

public:
    explicit KeyboardPanel(QWidget* parent = nullptr);

    // Reads the item's layouts; the same item again keeps the layout chosen among them.
    void showItem(const std::filesystem::path& item);
    void showNothing();

private:
    void showLayout(int index);
    void updateNote();

    std::filesystem::path item_;
    std::vector<installer::KeyboardModel> keyboards_;
    QComboBox* layouts_;
    QComboBox* shape_;
    QCheckBox* capsLock_;
    KeyboardView* view_;
    QLabel* note_;
};

}  // namespace app
