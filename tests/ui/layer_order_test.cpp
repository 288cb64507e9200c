#include "ui/layer_order.h"

#include <gtest/gtest.h>

namespace nodewick::ui {
namespace {

const std::string kTop = "Top   1";
const std::string kInner = "Inner   3";
const std::string kPlane = "GND   4";
const std::string kBottom = "Bottom   2";

LayerOrder FourLayers(std::optional<std::size_t> selected)
{
    return LayerOrder{{kTop, kInner, kPlane, kBottom}, selected};
}

using Entries = std::vector<std::string>;

TEST(MoveEntryUp, MovesTheSelectedEntryUpAndTheSelectionWithIt)
{
    LayerOrder order = FourLayers(2);
    MoveEntryUp(order);
    EXPECT_EQ(order.entries, (Entries{kTop, kPlane, kInner, kBottom}));
    EXPECT_EQ(order.selected, 1u);
}

TEST(MoveEntryUp, TopEntryStaysAndKeepsTheSelection)
{
    LayerOrder order = FourLayers(0);
    MoveEntryUp(order);
    EXPECT_EQ(order.entries, (Entries{kTop, kInner, kPlane, kBottom}));
    EXPECT_EQ(order.selected, 0u);
}

TEST(MoveEntryUp, NoSelectionChangesNothing)
{
    LayerOrder order = FourLayers(std::nullopt);
    MoveEntryUp(order);
    EXPECT_EQ(order.entries, (Entries{kTop, kInner, kPlane, kBottom}));
    EXPECT_EQ(order.selected, std::nullopt);
}

TEST(MoveEntryDown, TopEntryMovesToPositionOneAndStaysSelected)
{
    LayerOrder order = FourLayers(0);
    MoveEntryDown(order);
    EXPECT_EQ(order.entries, (Entries{kInner, kTop, kPlane, kBottom}));
    EXPECT_EQ(order.selected, 1u);
}

TEST(MoveEntryDown, BottomEntryStaysAndKeepsTheSelection)
{
    LayerOrder order = FourLayers(3);
    MoveEntryDown(order);
    EXPECT_EQ(order.entries, (Entries{kTop, kInner, kPlane, kBottom}));
    EXPECT_EQ(order.selected, 3u);
}

TEST(MoveEntryDown, ThreePressesTakeTheTopEntryToTheBottomOthersKeepTheirOrder)
{
    LayerOrder order = FourLayers(0);
    MoveEntryDown(order);
    MoveEntryDown(order);
    MoveEntryDown(order);
    EXPECT_EQ(order.entries, (Entries{kInner, kPlane, kBottom, kTop}));
    EXPECT_EQ(order.selected, 3u);
}

TEST(MoveEntryDown, NoSelectionMovesNothingAndSelectsTheTopEntry)
{
    LayerOrder order = FourLayers(std::nullopt);
    MoveEntryDown(order);
    EXPECT_EQ(order.entries, (Entries{kTop, kInner, kPlane, kBottom}));
    EXPECT_EQ(order.selected, 0u);
}

TEST(MoveEntryDown, EmptyListStaysEmptyWithoutSelection)
{
    LayerOrder order;
    MoveEntryDown(order);
    EXPECT_TRUE(order.entries.empty());
    EXPECT_EQ(order.selected, std::nullopt);
}

TEST(MoveEntry, LoneSelectedEntryGoesNowhere)
{
    LayerOrder order{{kTop}, 0};
    MoveEntryUp(order);
    MoveEntryDown(order);
    EXPECT_EQ(order.entries, (Entries{kTop}));
    EXPECT_EQ(order.selected, 0u);
}

TEST(MoveEntry, DownThenUpRestoresTheOrder)
{
    LayerOrder order = FourLayers(1);
    MoveEntryDown(order);
    MoveEntryUp(order);
    EXPECT_EQ(order.entries, (Entries{kTop, kInner, kPlane, kBottom}));
    EXPECT_EQ(order.selected, 1u);
}

} // namespace
} // namespace nodewick::ui
