#include "platform/anchor_layout.h"

#include <QWidget>

#include <gtest/gtest.h>

using platform::Anchor;
using platform::equal;

TEST(AnchorLayout, ResolvesEdgesCentresAndSizesAgainstContainerAndOtherViews)
{
    QWidget container;
    container.resize(400, 300);
    auto* a = new QWidget(&container);
    auto* b = new QWidget(&container);
    auto* c = new QWidget(&container);
    auto* layout = new platform::AnchorLayout(&container);
    layout->activateConstraints({
        equal(a, Anchor::leading, &container, Anchor::leading, 10),
        equal(a, Anchor::top, &container, Anchor::top, 20),
        equal(a, Anchor::width, 100),
        equal(a, Anchor::height, 50),
        equal(b, Anchor::trailing, &container, Anchor::trailing, -30),
        equal(b, Anchor::bottom, &container, Anchor::bottom, -40),
        equal(b, Anchor::width, 60),
        equal(b, Anchor::height, 20),
        // Refers to a view listed after it: order in the batch must not matter.
        equal(c, Anchor::centerX, a, Anchor::centerX),
        equal(c, Anchor::top, a, Anchor::bottom, 5),
        equal(c, Anchor::width, b, Anchor::width, 20),
        equal(c, Anchor::height, 10),
    });

    EXPECT_EQ(a->geometry(), QRect(10, 20, 100, 50));
    EXPECT_EQ(b->geometry(), QRect(310, 240, 60, 20));
    EXPECT_EQ(c->geometry(), QRect(20, 75, 80, 10));

    container.resize(500, 400);
    layout->activate();
    EXPECT_EQ(b->geometry(), QRect(410, 340, 60, 20)) << "follows the container's new size";
}

TEST(AnchorLayout, DeletedViewDoesNotBreakTheOthers)
{
    QWidget container;
    container.resize(200, 200);
    auto* anchor = new QWidget(&container);
    auto* follower = new QWidget(&container);
    auto* layout = new platform::AnchorLayout(&container);
    layout->activateConstraints({
        equal(anchor, Anchor::leading, &container, Anchor::leading, 50),
        equal(follower, Anchor::leading, anchor, Anchor::trailing, 10),
        equal(follower, Anchor::width, 30),
    });
    delete anchor;
    layout->invalidate();
    layout->activate();
    EXPECT_EQ(layout->count(), 1);
    EXPECT_EQ(follower->width(), 30);
}
