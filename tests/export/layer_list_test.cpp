#include "export/layer_list.h"

#include <gtest/gtest.h>

#include "export_harness.h"

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

namespace nodewick::exporter {
namespace {

std::vector<std::string> Filled(design::Design design, bool viaStyles)
{
    design::StandInEditor editor(std::move(design));
    dbx::DbxContext context;
    editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context);
    return viaStyles ? FillViaStyleList(editor, context) : FillLayerList(editor, context);
}

TEST(FillLayerList, SignalAndPlaneLayersInDbxOrder)
{
    design::Design design = testing::FourLayerBoard("/b/board.pcb");
    std::swap(design.layers[0], design.layers[3]);
    EXPECT_EQ(Filled(design, false),
              (std::vector<std::string>{"Inner2   4", "Bottom   2", "Inner1   3", "Top   1"}));
    design.layers = {{5, "Silk", 2}};
    EXPECT_TRUE(Filled(design, false).empty());
}

TEST(FillViaStyleList, NamesInIdOrderUntilAnIdIsMissing)
{
    design::Design design = testing::FourLayerBoard("/b/board.pcb");
    EXPECT_EQ(Filled(design, true),
              (std::vector<std::string>{"V32", "B12", "MICRO", "BUR10", "BB10", "BAREVIA", "STRAY"}));
    design.viaStyles.resize(1);
    EXPECT_EQ(Filled(design, true), std::vector<std::string>{"V32"});
    design.viaStyles.clear();
    EXPECT_TRUE(Filled(design, true).empty());
}

TEST(FillLayerList, NothingWithoutAnOpenDesign)
{
    design::StandInEditor editor(std::nullopt);
    dbx::DbxContext context;
    editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context);
    EXPECT_TRUE(FillLayerList(editor, context).empty());
    EXPECT_TRUE(FillViaStyleList(editor, context).empty());
}

} // namespace
} // namespace nodewick::exporter
