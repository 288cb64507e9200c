// A malformed file stops the load with one message that names the file, the
// line and the element; nothing is half loaded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pcad_text.h"

namespace nodewick::design::pcad::test {
namespace {

using nodewick::DesignError;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(PcadReaderErrors, TheSmallBoardLoads)
{
    const LoadedDesign loaded = ReadText(PcadText({}));
    EXPECT_TRUE(loaded.warnings.empty());
    ASSERT_EQ(loaded.design.nets.size(), 1u);
    ASSERT_EQ(loaded.design.nets[0].nodes.size(), 2u);
    EXPECT_EQ(loaded.design.nets[0].nodes[1].x, 1050 * 2540);
}

TEST(PcadReaderErrors, UnbalancedParentheses)
{
    std::string text = PcadText({});
    text.pop_back();  // the newline
    text.pop_back();  // the parenthesis closing pcbDesign
    EXPECT_EQ(LoadError(text), "test.pcb: " + LineOf(text, "(pcbDesign") +
                                   " the list pcbDesign is not closed before the end of the file");
}

TEST(PcadReaderErrors, BadNumber)
{
    const std::string text = PcadText({.multiLayer = "(via (viaStyleRef \"V\") (pt 1O0 200))\n"});
    EXPECT_EQ(LoadError(text), "test.pcb: " + LineOf(text, "(pt 1O0") + " in (pt ...): unknown unit \"O0\" in \"1O0\"");
    const std::string rotation = PcadText({.multiLayer = "(via (viaStyleRef \"V\") (pt 1 2) (rotation ninety))\n"});
    EXPECT_EQ(LoadError(rotation), "test.pcb: " + LineOf(rotation, "(rotation ninety") +
                                       " in (rotation ...): expected a number, found \"ninety\"");
}

TEST(PcadReaderErrors, UnknownUnit)
{
    const std::string text = PcadText({.header = "(asciiHeader\n (fileUnits cubit))"});
    EXPECT_EQ(LoadError(text), "test.pcb: line 3: unknown unit \"cubit\" in (fileUnits ...)");
    const std::string glued = PcadText({.multiLayer = "(via (viaStyleRef \"V\") (pt 1.0mils 2))\n"});
    EXPECT_EQ(LoadError(glued), "test.pcb: " + LineOf(glued, "1.0mils") + " in (pt ...): unknown unit \"mils\" in \"1.0mils\"");
}

TEST(PcadReaderErrors, MissingPadStyle)
{
    const std::string text = PcadText({.library = "(patternDef \"P\" (multiLayer\n (pad (padNum 1) (padStyleRef \"NOPE\") (pt 0 0))))\n"});
    EXPECT_EQ(LoadError(text), "test.pcb: " + LineOf(text, "(padStyleRef \"NOPE\"") +
                                   " a pad refers to the pad style \"NOPE\", which is not defined");
    const std::string freePad = PcadText({.multiLayer = "(pad (pt 0 0))\n"});
    EXPECT_EQ(LoadError(freePad), "test.pcb: " + LineOf(freePad, "(pad (pt 0 0))") + " a pad has no pad style (padStyleRef)");
}

TEST(PcadReaderErrors, MissingViaStyle)
{
    const std::string text = PcadText({.multiLayer = "(via (viaStyleRef \"SMD\") (pt 0 0))\n"});
    EXPECT_EQ(LoadError(text), "test.pcb: " + LineOf(text, "(via (viaStyleRef \"SMD\")") +
                                   " a via refers to the via style \"SMD\", which is not defined");
}

TEST(PcadReaderErrors, MissingPattern)
{
    const std::string text = PcadText({.multiLayer = "(pattern (patternRef \"GONE_1\") (refDesRef \"X1\") (pt 0 0))\n"});
    EXPECT_EQ(LoadError(text), "test.pcb: " + LineOf(text, "(pattern (patternRef \"GONE_1\")") +
                                   " a part is placed with the pattern \"GONE_1\", which is not defined");
}

TEST(PcadReaderErrors, MissingNet)
{
    const std::string via = PcadText({.multiLayer = "(via (viaStyleRef \"V\") (pt 0 0) (netNameRef \"N2\"))\n"});
    EXPECT_EQ(LoadError(via), "test.pcb: " + LineOf(via, "(via (viaStyleRef \"V\") (pt 0 0)") +
                                  " an item refers to the net \"N2\", which is not defined");
    const std::string pad = PcadText({.multiLayer = "(pad (padStyleRef \"SMD\") (pt 0 0) (netNameRef \"n1\"))\n"});
    EXPECT_EQ(LoadError(pad), "test.pcb: " + LineOf(pad, "(pad (padStyleRef \"SMD\") (pt 0 0)") +
                                  " an item refers to the net \"n1\", which is not defined");
}

TEST(PcadReaderErrors, MissingRequiredParts)
{
    const std::string noPosition = PcadText({.multiLayer = "(via (viaStyleRef \"V\"))\n"});
    EXPECT_EQ(LoadError(noPosition), "test.pcb: " + LineOf(noPosition, "(via (viaStyleRef \"V\"))") + " a via has no position (pt)");
    const std::string noLayerType = PcadText({.multiLayer = ")(layerDef \"Odd\" (layerNum 7) (layerType Copper)"});
    EXPECT_EQ(LoadError(noLayerType), "test.pcb: " + LineOf(noLayerType, "(layerDef \"Odd\"") +
                                          " the layer \"Odd\" has the unknown layer type \"Copper\"");
    const std::string noName = PcadText({.netlist = "(net)\n"});
    EXPECT_EQ(LoadError(noName), "test.pcb: " + LineOf(noName, "(net)") + " in (net ...): a text is missing");
}

TEST(PcadReaderErrors, TextOutsideAnyList)
{
    const std::string text = PcadText({}) + "stray\n";
    EXPECT_EQ(LoadError(text), "test.pcb: " + LineOf(text, "stray") + " unexpected text \"stray\" outside any list");
}

TEST(PcadReaderErrors, DesignPathMustFitItsHundredBytes)
{
    const std::string text = PcadText({});
    const std::string fits = "/" + std::string(95, 'd') + ".pcb";
    ASSERT_EQ(fits.size(), 100u);
    EXPECT_EQ(ReadPcadText(text, "b.pcb", fits).design.path, fits);
    const std::string tooLong = "/" + std::string(96, 'd') + ".pcb";
    try {
        ReadPcadText(text, "b.pcb", tooLong);
        FAIL() << "a 101-byte path was accepted";
    } catch (const DesignError& error) {
        EXPECT_THAT(error.what(), StartsWith("b.pcb: the design path \"/ddd"));
        EXPECT_THAT(error.what(), HasSubstr("the text is 101 bytes long; its DBX field holds 100"));
    }
}

TEST(PcadReaderErrors, FileThatCannotBeOpenedNamesTheOsReason)
{
    const std::filesystem::path missing = ScratchFolder("missing") / "none.pcb";
    try {
        ReadPcadDesign(missing);
        FAIL() << "a missing file loaded";
    } catch (const nodewick::FileError& error) {
        EXPECT_EQ(std::string(error.what()), missing.string() + ": cannot open the file: No such file or directory");
    }
}

} // namespace
} // namespace nodewick::design::pcad::test
