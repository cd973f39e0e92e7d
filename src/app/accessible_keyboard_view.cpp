#include "app/accessible_keyboard_view.h"

#include "app/keyboard_view.h"

#include <QPointer>
#include <QWindow>

namespace app {

namespace {

QAccessibleInterface* accessibleKeyboardView(const QString& className, QObject* object)
{
    if (className != QLatin1String(KeyboardView::staticMetaObject.className()))
        return nullptr;
    return new AccessibleKeyboardView(static_cast<KeyboardView*>(object));
}

// One key of the picture: painted, not a widget of its own.
class AccessibleKey : public QAccessibleInterface {
public:
    AccessibleKey(KeyboardView* view, int index)
        : view_(view)
        , index_(index)
    {
    }

    bool isValid() const override { return view_ && std::size_t(index_) < view_->picture().keys.size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? view_->keyDescription(std::size_t(index_)) : QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = view_->keyRect(std::size_t(index_)).toAlignedRect();
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !view_ || !view_->isVisible();
        return state;
    }

private:
    QPointer<KeyboardView> view_;
    int index_;
};

}  // namespace

AccessibleKeyboardView::AccessibleKeyboardView(KeyboardView* view)
    : QAccessibleWidget(view, QAccessible::Grouping)
{
}

AccessibleKeyboardView::~AccessibleKeyboardView()
{
    for (const QAccessible::Id key : keys_)
        if (key)
            QAccessible::deleteAccessibleInterface(key);
}

void AccessibleKeyboardView::installFactory()
{
    static const bool installed = (QAccessible::installFactory(accessibleKeyboardView), true);
    Q_UNUSED(installed);
}

int AccessibleKeyboardView::childCount() const
{
    return int(view()->picture().keys.size());
}

QAccessibleInterface* AccessibleKeyboardView::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (keys_.size() <= std::size_t(index))
        keys_.resize(std::size_t(index) + 1);
    if (!keys_[std::size_t(index)])
        keys_[std::size_t(index)] = QAccessible::registerAccessibleInterface(new AccessibleKey(view(), index));
    return QAccessible::accessibleInterface(keys_[std::size_t(index)]);
}

int AccessibleKeyboardView::indexOfChild(const QAccessibleInterface* child) const
{
    for (std::size_t index = 0; index < keys_.size(); ++index)
        if (keys_[index] && QAccessible::accessibleInterface(keys_[index]) == child)
            return int(index);
    return -1;
}

QAccessibleInterface* AccessibleKeyboardView::childAt(int x, int y) const
{
    const QPointF point = view()->mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < childCount(); ++index)
        if (view()->keyRect(std::size_t(index)).contains(point))
            return child(index);
    return nullptr;
}

KeyboardView* AccessibleKeyboardView::view() const
{
    return static_cast<KeyboardView*>(widget());
}

}  // namespace app
