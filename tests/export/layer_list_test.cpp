#include "export/layer_list.h"

#include <gtest/gtest.h>

namespace nodewick::exporter {
namespace {

TEST(LayerEntry, NameThreeSpacesAndId)
{
    EXPECT_EQ(LayerEntry("Top", 1), "Top   1");
    EXPECT_EQ(LayerEntry("Inner 2", 12), "Inner 2   12");
    EXPECT_EQ(LayerEntry("", 3), "   3");
}

TEST(LayerIdOf, ReadsTheWholeNumberAfterTheLastSpace)
{
    EXPECT_EQ(LayerIdOf("Top   1"), 1);
    EXPECT_EQ(LayerIdOf("Inner 2   12"), 12);
    // Ids of three digits and more match their own entry.
    EXPECT_EQ(LayerIdOf("Sig100   100"), 100);
    EXPECT_EQ(LayerIdOf("Deep   123456"), 123456);
}

TEST(LayerIdOf, EntryWithoutNumberMatchesNothing)
{
    EXPECT_EQ(LayerIdOf(""), std::nullopt);
    EXPECT_EQ(LayerIdOf("Top   "), std::nullopt);
    EXPECT_EQ(LayerIdOf("Top   x1"), std::nullopt);
    EXPECT_EQ(LayerIdOf("Top   1x"), std::nullopt);
    EXPECT_EQ(LayerIdOf("Top   -1"), std::nullopt);
    EXPECT_EQ(LayerIdOf("Top   99999999999"), std::nullopt);
}

TEST(LayerIdOf, EntryWithoutSpaceIsReadWhole)
{
    EXPECT_EQ(LayerIdOf("7"), 7);
    EXPECT_EQ(LayerIdOf("Top"), std::nullopt);
}

TEST(LayerNameOf, TextBeforeTheSpacesAndId)
{
    EXPECT_EQ(LayerNameOf("Top   1"), "Top");
    EXPECT_EQ(LayerNameOf("Inner 2   12"), "Inner 2");
    EXPECT_EQ(LayerNameOf("   3"), "");
    EXPECT_EQ(LayerNameOf("Top"), "Top");
}

} // namespace
} // namespace nodewick::exporter
