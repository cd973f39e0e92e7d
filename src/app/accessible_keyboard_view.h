#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace app {

class KeyboardView;

// Screen readers meet the keyboard picture as a group of keys, each named by what it types in
// each layer.
class AccessibleKeyboardView : public QAccessibleWidget {
public:
    explicit AccessibleKeyboardView(KeyboardView* view);
    ~AccessibleKeyboardView() override;

    // Makes Qt create this interface for every KeyboardView.
    static void installFactory();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    KeyboardView* view() const;

    mutable std::vector<QAccessible::Id> keys_;  // made as they are asked for
};

}  // namespace app
