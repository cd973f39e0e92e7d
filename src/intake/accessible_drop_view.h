#pragma once

#include <QAccessibleWidget>

namespace intake {

class DropView;

// Screen readers meet the drop area as a button that opens the chooser; its value is the hint,
// so the outcome of an install is read out with it.
class AccessibleDropView : public QAccessibleWidget {
public:
    explicit AccessibleDropView(DropView* view);

    // Makes Qt create this interface for every DropView.
    static void installFactory();

    // Tells assistive technology that the outcome shown in the hint has changed.
    static void announceOutcome(DropView* view, const QString& outcome);

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

private:
    DropView* view() const;
};

}  // namespace intake
