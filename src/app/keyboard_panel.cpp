#include "app/keyboard_panel.h"

#include "app/keyboard_view.h"
#include "flows/flows.h"
#include "intake/finding_words.h"
#include "platform/keyboard_type.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace app {

KeyboardPanel::KeyboardPanel(QWidget* parent)
    : QWidget(parent)
    , layouts_(new QComboBox)
    , shape_(new QComboBox)
    , capsLock_(new QCheckBox(tr("Caps Lock")))
    , view_(new KeyboardView)
    , note_(new QLabel)
{
    layouts_->setObjectName(QStringLiteral("layoutChoice"));
    layouts_->setAccessibleName(tr("Layout in the bundle"));
    shape_->setObjectName(QStringLiteral("shapeChoice"));
    shape_->setAccessibleName(tr("Keyboard shape"));
    shape_->addItem(tr("ANSI keyboard"), QVariant::fromValue(int(installer::KeyboardShape::ansi)));
    shape_->addItem(tr("ISO keyboard"), QVariant::fromValue(int(installer::KeyboardShape::iso)));
    shape_->setCurrentIndex(platform::keyboardIsIso() ? 1 : 0);
    view_->setShape(platform::keyboardIsIso() ? installer::KeyboardShape::iso : installer::KeyboardShape::ansi);
    capsLock_->setToolTip(tr("Show what each key types while Caps Lock is on"));
    note_->setObjectName(QStringLiteral("keyboardNote"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* controls = new QHBoxLayout;
    controls->addWidget(layouts_);
    controls->addWidget(shape_);
    controls->addWidget(capsLock_);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(view_, 1);
    layout->addWidget(note_);

    connect(layouts_, &QComboBox::currentIndexChanged, this, &KeyboardPanel::showLayout);
    connect(shape_, &QComboBox::currentIndexChanged, this, [this] {
        view_->setShape(installer::KeyboardShape(shape_->currentData().toInt()));
        updateNote();
    });
    connect(capsLock_, &QCheckBox::toggled, this, [this](bool on) {
        view_->setCapsLock(on);
        updateNote();
    });
    showNothing();
}

void KeyboardPanel::showItem(const std::filesystem::path& item)
{
    const int keep = item == item_ ? layouts_->currentIndex() : 0;
    item_ = item;
    installer::ItemKeyboards read = installer::readItemKeyboards(item);
    keyboards_ = std::move(read.keyboards);
    {
        const QSignalBlocker quiet(layouts_);
        layouts_->clear();
        for (const installer::KeyboardModel& keyboard : keyboards_)
            layouts_->addItem(QString::fromStdString(keyboard.name));
        layouts_->setCurrentIndex(std::min(keep, layouts_->count() - 1));
    }
    layouts_->setVisible(keyboards_.size() > 1);
    for (QWidget* control :
         {static_cast<QWidget*>(shape_), static_cast<QWidget*>(capsLock_), static_cast<QWidget*>(view_)})
        control->setVisible(!keyboards_.empty());
    if (keyboards_.empty()) {
        // What the checks refuse is not drawn: the refusal is the answer.
        note_->setText(read.report.problems.empty() ? QString() : intake::sentence(read.report.problems.front()));
        return;
    }
    showLayout(layouts_->currentIndex());
}

void KeyboardPanel::showNothing()
{
    keyboards_.clear();
    for (QWidget* control : {static_cast<QWidget*>(layouts_), static_cast<QWidget*>(shape_),
                             static_cast<QWidget*>(capsLock_), static_cast<QWidget*>(view_)})
        control->hide();
    note_->setText(tr("Choose a layout above to see what it types."));
}

void KeyboardPanel::showLayout(int index)
{
    if (index < 0 || std::size_t(index) >= keyboards_.size())
        return;
    view_->setKeyboard(keyboards_[std::size_t(index)]);
    updateNote();
}

void KeyboardPanel::updateNote()
{
    QString note = capsLock_->isChecked()
        ? tr("Each key shows what it types while Caps Lock is on.")
        : tr("Each key shows what it types alone at the lower left, with Shift above that, "
             "with Option at the lower right, and with Shift and Option above that.");
    if (view_->showsDeadKey())
        note += QLatin1Char(' ')
            + tr("Legends highlighted in the accent colour are dead keys: they type nothing at first, "
                 "then change the next key you press, as ´ then e types é.");
    note_->setText(note);
}

}  // namespace app
