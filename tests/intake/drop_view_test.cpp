#include "intake/drop_view.h"

#include "intake/colors.h"
#include "ui_support.h"

#include <QDragEnterEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

// The drop area shows and reports: a drag of a local file lights it and, once the drop event has
// returned, is reported as dropped; anything else, or anything while busy, is refused. Its keys, a
// click and a screen reader's press ask for the chooser.
TEST(DropView, ReportsADropOnlyAfterTheDropEventHasReturnedAndAsksForTheChooser)
{
    intake::DropView view;
    view.resize(520, 82);
    view.show();
    QApplication::processEvents();
    view.clearFocus();  // alone in its window it takes focus, which the window never gives it
    const auto lit = [&] {
        return ui_testing::render(view).pixel(1, 41) == intake::controlAccentColor(view.palette()).rgb();
    };
    QSignalSpy dropped(&view, &intake::DropView::dropped), chooser(&view, &intake::DropView::chooserRequested);
    const QUrl file = QUrl::fromLocalFile(QStringLiteral("/nowhere/Layouts.bundle/"));
    const struct Row {
        const char* name;
        std::unique_ptr<QMimeData> data;
        bool busy = false, taken = true;
    } table[] = {
        {.name = "a local file", .data = ui_testing::dragOf({file, QUrl::fromLocalFile("/nowhere/B.keylayout")})},
        {.name = "a web address", .data = ui_testing::dragOf({QUrl("https://example.com/A")}), .taken = false},
        {.name = "no address", .data = ui_testing::dragOf({}), .taken = false},
        {.name = "text", .data = std::make_unique<QMimeData>(), .taken = false},
        {.name = "while busy", .data = ui_testing::dragOf({file}), .busy = true, .taken = false},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        view.setBusy(row.busy);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, row.data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(&view, &enter);
        EXPECT_EQ(std::pair(enter.isAccepted(), lit()), std::pair(row.taken, row.taken));
        QDropEvent drop(QPointF(10, 10), Qt::MoveAction | Qt::CopyAction, row.data.get(), Qt::LeftButton, {});
        drop.setDropAction(Qt::MoveAction);  // a move would let the source delete the original
        QApplication::sendEvent(&view, &drop);
        EXPECT_EQ(std::tuple(drop.isAccepted(), drop.dropAction(), lit()),
                  std::tuple(row.taken, row.taken ? Qt::CopyAction : Qt::MoveAction, false));
        EXPECT_EQ(dropped.count(), 0) << "Finder is let go first";
        QApplication::processEvents();
        EXPECT_EQ(dropped.count() ? dropped.takeFirst().at(0).toUrl() : QUrl(), row.taken ? file : QUrl())
            << "the first URL alone";
    }
    view.setBusy(false);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, table[0].data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&view, &enter);
    QDragLeaveEvent leave;
    QApplication::sendEvent(&view, &leave);
    EXPECT_FALSE(lit()) << "a drag that left";
    EXPECT_FALSE(view.performDragOperation(nullptr));

    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Enter, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(&view, key);
    QTest::mouseClick(&view, Qt::LeftButton);
    QAccessible::queryAccessibleInterface(&view)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(chooser.count(), 5) << "each key but a letter, a click and a screen reader's press";
    view.setBusy(true);
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(chooser.count(), 5) << "none while busy";
}
