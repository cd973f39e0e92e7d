#include "app/keyboard_panel.h"
#include "app/keyboard_view.h"
#include "intake/colors.h"

#include "ui_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

// Map 0 with no modifier, 1 with Shift, 2 with Option, 3 with both, 4 with Caps Lock.
std::string layout(const std::string& name, const std::string& maps)
{
    return "<keyboard group=\"0\" id=\"" + std::to_string(name.size()) + "\" name=\"" + name
        + "\"><layouts><layout modifiers=\"m\" mapSet=\"s\"/></layouts><modifierMap id=\"m\">"
          "<keyMapSelect mapIndex=\"0\"><modifier keys=\"\"/></keyMapSelect><keyMapSelect mapIndex=\"1\">"
          "<modifier keys=\"anyShift\"/></keyMapSelect><keyMapSelect mapIndex=\"2\"><modifier keys=\"anyOption\"/>"
          "</keyMapSelect><keyMapSelect mapIndex=\"3\"><modifier keys=\"anyShift anyOption\"/></keyMapSelect>"
          "<keyMapSelect mapIndex=\"4\"><modifier keys=\"caps\"/></keyMapSelect></modifierMap><keyMapSet id=\"s\">"
        + maps
        + "</keyMapSet><actions><action id=\"d\"><when state=\"none\" next=\"1\"/></action><action id=\"e\">"
          "<when state=\"none\" next=\"2\"/></action></actions><terminators><when state=\"1\" output=\"█\"/>"
          "<when state=\"2\" output=\"▲\"/></terminators></keyboard>";
}

// Which quarters of the rectangle hold at least a few pixels of the kind: "ul ur ll lr".
QString quarters(const QImage& image, const QRectF& key, const std::function<bool(QColor)>& kind)
{
    const QRect inside = key.toAlignedRect().adjusted(3, 3, -3, -3);
    int pixels[4] = {};
    for (int y = inside.top(); y < inside.bottom(); ++y)
        for (int x = inside.left(); x < inside.right(); ++x)
            pixels[(y >= inside.center().y()) * 2 + (x >= inside.center().x())] += kind(image.pixelColor(x, y));
    QStringList found;
    for (int quarter = 0; quarter < 4; ++quarter)
        if (pixels[quarter] > 8)
            found << QStringList({"ul", "ur", "ll", "lr"})[quarter];
    return found.join(u' ');
}

}  // namespace

// Each layer's legend in its corner, the Caps Lock layer alone once it is on, dead keys in the
// accent colour, and every key named for a screen reader by what it types.
TEST(KeyboardView, DrawsEachLayerAtItsCornerAndNamesEveryKeyByWhatItTypes)
{
    const TemporaryFolder folder;
    writeFile(folder / "K.keylayout",
              layout("K",
                     "<keyMap index=\"0\"><key code=\"0\" output=\"█\"/><key code=\"12\" output=\"q\"/>"
                     "<key code=\"36\" output=\"&#13;\"/><key code=\"49\" output=\" \"/></keyMap>"
                     "<keyMap index=\"1\"><key code=\"1\" output=\"█\"/><key code=\"12\" output=\"Q\"/></keyMap>"
                     "<keyMap index=\"2\"><key code=\"2\" output=\"█\"/><key code=\"4\" action=\"d\"/>"
                     "<key code=\"12\" output=\"œ\"/></keyMap><keyMap index=\"3\"><key code=\"3\" output=\"█\"/>"
                     "<key code=\"12\" action=\"e\"/></keyMap><keyMap index=\"4\"><key code=\"5\" output=\"█\"/>"
                     "<key code=\"12\" output=\"Q\"/></keyMap>"));
    app::KeyboardView view;
    view.setKeyboard(installer::readKeyboards(folder / "K.keylayout").keyboards.at(0));
    view.resize(870, 300);
    const auto index = [&](int code) {
        const auto& keys = view.picture().keys;
        return std::size_t(std::ranges::find(keys, code, [](const auto& key) { return key.cap.code; }) - keys.begin());
    };
    const QColor a = intake::controlAccentColor(view.palette());
    const auto dark = [](QColor c) { return qGray(c.rgb()) < 110; };
    const auto accented = [&](QColor c) {
        return std::abs(c.red() - a.red()) + std::abs(c.green() - a.green()) + std::abs(c.blue() - a.blue()) < 90;
    };
    const auto drawn = [&] {
        const QImage image = ui_testing::render(view);
        QStringList keys;
        for (const int code : {0, 1, 2, 3, 5, 4, 12}) {
            const QRectF key = view.keyRect(index(code));
            keys << QString::number(code) + ":" + quarters(image, key, dark) + "/" + quarters(image, key, accented);
        }
        return keys.join(u' ');
    };
    EXPECT_EQ(drawn(), "0:ll/ 1:ul/ 2:lr/ 3:ur/ 5:/ 4:/lr 12:ul ll lr/ur");
    view.setCapsLock(true);
    EXPECT_EQ(drawn(), "0:/ 1:/ 2:/ 3:/ 5:ll/ 4:/ 12:ll/");
    const double keyWidth = view.keyRect(index(0)).width();
    view.resize(435, 300);
    EXPECT_NEAR(view.keyRect(index(0)).width(), keyWidth / 2, 1) << "the picture follows the view's size";

    view.show();
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&view);
    ASSERT_EQ(reader->childCount(), int(view.picture().keys.size()));
    QStringList names;
    for (const int code : {12, 4, 36, 49, 56}) {
        QAccessibleInterface* key = reader->child(int(index(code)));
        const QRect rect = view.keyRect(index(code)).toAlignedRect().translated(view.mapToGlobal(QPoint()));
        names << key->text(QAccessible::Name);
        EXPECT_EQ(std::pair(key->rect(), reader->childAt(rect.center().x(), rect.center().y())), std::pair(rect, key));
    }
    EXPECT_EQ(names.join(u'|'),
              "q. No modifier: q; Shift: Q; Option: œ; Shift-Option: dead key ▲; Caps Lock: Q|Key 4. "
              "Option: dead key █|Return. No modifier: a control character|Space bar. No modifier: a space|Shift");
}

// A bundle's layouts one at a time, the chosen one kept when the item is read again; the shape and
// Caps Lock chosen; a refused item's refusal in place of the picture.
TEST(KeyboardPanel, ShowsTheChosenLayoutOfAnItemOrWhyItCannot)
{
    const TemporaryFolder folder;
    writeFile(folder / "B.bundle/Contents/Resources/Zed.keylayout",
              layout("Zed", "<keyMap index=\"2\"><key code=\"4\" action=\"d\"/></keyMap>"));
    writeFile(folder / "B.bundle/Contents/Resources/Ay.keylayout",
              layout("Ay", "<keyMap index=\"0\"><key code=\"0\" output=\"a\"/></keyMap>"));
    writeFile(folder / "Web.keylayout", "<!DOCTYPE html><html>");
    app::KeyboardPanel panel;
    panel.show();
    auto* layouts = panel.findChild<QComboBox*>(QStringLiteral("layoutChoice"));
    auto* shape = panel.findChild<QComboBox*>(QStringLiteral("shapeChoice"));
    auto* note = panel.findChild<QLabel*>(QStringLiteral("keyboardNote"));
    auto* view = panel.findChild<app::KeyboardView*>();
    EXPECT_TRUE(view->isHidden() && note->text().startsWith(u"Choose a layout"));

    panel.showItem(folder / "B.bundle");
    ASSERT_TRUE(layouts->isVisible() && view->isVisible());
    EXPECT_EQ(QStringList({layouts->itemText(0), layouts->itemText(1)}), QStringList({"Ay", "Zed"}));
    EXPECT_EQ(view->accessibleName(), "Keyboard of Ay");
    EXPECT_FALSE(note->text().contains(u"dead keys"));
    layouts->setCurrentIndex(1);
    panel.showItem(folder / "B.bundle");
    EXPECT_EQ(view->accessibleName(), "Keyboard of Zed");
    EXPECT_TRUE(note->text().contains(u"Legends highlighted in the accent colour are dead keys"));

    shape->setCurrentIndex(1 - shape->currentIndex());
    EXPECT_EQ(view->picture().geometry->shape,
              shape->currentIndex() == 1 ? installer::KeyboardShape::iso : installer::KeyboardShape::ansi);
    panel.findChild<QCheckBox*>()->click();
    EXPECT_TRUE(note->text().startsWith(u"Each key shows what it types while Caps Lock is on."));

    panel.showItem(folder / "Web.keylayout");
    EXPECT_TRUE(view->isHidden() && layouts->isHidden());
    EXPECT_EQ(note->text(),
              "\"Web.keylayout\" is not a keyboard layout: it is a web page. Download the raw file instead.");
}
