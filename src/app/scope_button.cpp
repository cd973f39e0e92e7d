#include "app/scope_button.h"

#include "intake/colors.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace app {

namespace {

constexpr qreal highlightInset = 2;
constexpr qreal highlightRadius = 6;
constexpr qreal highlightFillAlpha = 0.22;
constexpr qreal outlineWidth = 3;

// Qt reports a checkable push button as a check box; a screen reader should meet a toggle
// button, which is a button with a checked state.
class AccessibleScopeButton : public QAccessibleWidget {
public:
    explicit AccessibleScopeButton(ScopeButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<ScopeButton*>(widget())->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction() || name == toggleAction())
            static_cast<ScopeButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* accessibleScopeButton(const QString& className, QObject* object)
{
    if (className != QLatin1String(ScopeButton::staticMetaObject.className()))
        return nullptr;
    return new AccessibleScopeButton(static_cast<ScopeButton*>(object));
}

}  // namespace

ScopeButton::ScopeButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    static const bool accessible = (QAccessible::installFactory(accessibleScopeButton), true);
    Q_UNUSED(accessible);
}

void ScopeButton::paintEvent(QPaintEvent* event)
{
    // Qt's styles paint an opaque bevel, so the highlight goes over the standard drawing;
    // beneath it, it would never show.
    QPushButton::paintEvent(event);
    if (!isChecked())
        return;
    const QColor accent = intake::controlAccentColor(palette());
    const QRectF highlight = QRectF(rect()).adjusted(highlightInset, highlightInset, -highlightInset, -highlightInset);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(intake::withAlpha(accent, highlightFillAlpha));
    painter.drawRoundedRect(highlight, highlightRadius, highlightRadius);
    painter.setPen(QPen(accent, outlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(highlight, highlightRadius, highlightRadius);
}

}  // namespace app
