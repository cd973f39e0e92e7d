#include "intake/accessible_drop_view.h"

#include "intake/drop_view.h"

namespace intake {

namespace {

QAccessibleInterface* accessibleDropView(const QString& className, QObject* object)
{
    if (className != QLatin1String(DropView::staticMetaObject.className()))
        return nullptr;
    return new AccessibleDropView(static_cast<DropView*>(object));
}

}  // namespace

AccessibleDropView::AccessibleDropView(DropView* view)
    : QAccessibleWidget(view, QAccessible::Button)
{
}

void AccessibleDropView::installFactory()
{
    static const bool installed = (QAccessible::installFactory(accessibleDropView), true);
    Q_UNUSED(installed);
}

void AccessibleDropView::announceOutcome(DropView* view, const QString& outcome)
{
    QAccessibleValueChangeEvent changed(view, outcome);
    QAccessible::updateAccessibility(&changed);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(view, outcome);
    QAccessible::updateAccessibility(&announcement);
#elif defined(Q_OS_MACOS)
    // Qt's macOS bridge gives a value only to text, editable and checkable elements, so a button's
    // value is never read there; its description is.
    view->setAccessibleDescription(outcome + QStringLiteral(". ") + DropView::accessibleHelp());
#endif
}

QString AccessibleDropView::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return view()->hintText();
    return QAccessibleWidget::text(kind);
}

QStringList AccessibleDropView::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void AccessibleDropView::doAction(const QString& name)
{
    if (name == pressAction())
        view()->chooseItem();
    else
        QAccessibleWidget::doAction(name);
}

DropView* AccessibleDropView::view() const
{
    return static_cast<DropView*>(widget());
}

}  // namespace intake
