// Things that are merely unusual are skipped; the user is told of each, with
// the file and the line, and the rest of the design loads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pcad_text.h"

namespace nodewick::design::pcad::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(PcadReaderWarnings, NodeOfAPartThatIsNotPlaced)
{
    const std::string text = PcadText({.netlist = "(net \"N2\" (node \"R9\" \"1\") (node \"R1\" \"C\"))\n"});
    const LoadedDesign loaded = ReadText(text);
    const std::string line = LineOf(text, "(net \"N2\"");
    EXPECT_THAT(loaded.warnings,
                ElementsAre("test.pcb: " + line + " the net \"N2\" names the part \"R9\", which is not placed; the node is skipped",
                            "test.pcb: " + line + " the net \"N2\" names pin \"C\" of \"R1\", which has no pad with that "
                                                  "pin; the node is skipped"));
    ASSERT_EQ(loaded.design.nets.size(), 2u);
    EXPECT_TRUE(loaded.design.nets[1].nodes.empty());
    EXPECT_EQ(loaded.design.nets[0].nodes.size(), 2u);
}

TEST(PcadReaderWarnings, PlacedPartWithoutComponentTakesPinsFromItsPads)
{
    const std::string text = PcadText({
        .library = "(patternDef \"TP\" (multiLayer (pad (padNum 1) (padStyleRef \"SMD\") (pt 0 0) (defaultPinDes \"T\"))\n"
                   "  (pad (padNum 2) (padStyleRef \"SMD\") (pt 0 10))))\n",
        .netlist = "(compInst \"TP2\" (compRef \"NO_SUCH_DEF\"))\n(net \"N2\" (node \"TP1\" \"T\") (node \"TP1\" \"2\") (node \"TP2\" \"T\"))\n",
        .multiLayer = "(pattern (patternRef \"TP\") (refDesRef \"TP1\") (pt 0 0))\n"
                      "(pattern (patternRef \"TP\") (refDesRef \"TP2\") (pt 100 0))\n",
    });
    const LoadedDesign loaded = ReadText(text);
    EXPECT_THAT(loaded.warnings,
                ElementsAre("test.pcb: " + LineOf(text, "(refDesRef \"TP1\")") +
                                " the part \"TP1\" has no component (compInst); its pins are the pattern's pad designators",
                            "test.pcb: " + LineOf(text, "(refDesRef \"TP2\")") +
                                " the part \"TP2\" uses the component \"NO_SUCH_DEF\", which is not defined; its pins "
                                "are the pattern's pad designators"));
    const Net& net = loaded.design.nets[1];
    ASSERT_EQ(net.nodes.size(), 3u);
    EXPECT_EQ(net.nodes[0].pin, "T");   // defaultPinDes
    EXPECT_EQ(net.nodes[1].pin, "2");   // the pad number
    EXPECT_EQ(net.nodes[1].y, 10 * 2540);
    EXPECT_EQ(net.nodes[2].refDes, "TP2");
    EXPECT_EQ(net.nodes[2].x, 100 * 2540);
}

TEST(PcadReaderWarnings, UnknownFormsAreSkippedAndNamedOnce)
{
    const std::string text = PcadText({.multiLayer = "(hologram (pt 0 0))\n(HOLOGRAM)\n"}) + "(futureSection (x))\n";
    const LoadedDesign loaded = ReadText(text);
    EXPECT_THAT(loaded.warnings,
                ElementsAre("test.pcb: " + LineOf(text, "(futureSection") + " skipped the unknown form (futureSection ...)",
                            "test.pcb: " + LineOf(text, "(hologram") + " skipped the unknown form (hologram ...)"));
    EXPECT_EQ(loaded.design.nets[0].nodes.size(), 2u);
}

TEST(PcadReaderWarnings, PinInTwoNetsStaysInTheFirst)
{
    const std::string text = PcadText({.netlist = "(net \"N2\" (node \"R1\" \"A\"))\n"});
    const LoadedDesign loaded = ReadText(text);
    EXPECT_THAT(loaded.warnings, ElementsAre("test.pcb: " + LineOf(text, "(net \"N2\"") +
                                             " pin \"A\" of \"R1\" is already a node of the net \"N1\"; it is not added again"));
    EXPECT_EQ(loaded.design.nets[0].nodes.size(), 2u);
    EXPECT_TRUE(loaded.design.nets[1].nodes.empty());
}

TEST(PcadReaderWarnings, RepeatedDefinitionsAndTheViaOfAPatternNoPartUses)
{
    const std::string text = PcadText({
        .library = "(padStyleDef \"SMD\" (holeDiam 5))\n"
                   "(patternDef \"VP\" (multiLayer (via (viaStyleRef \"V\") (pt 0 0))))\n",
        .multiLayer = "(pattern (patternRef \"CHIP_1\") (refDesRef \"R1\") (pt 0 0))\n",
    });
    const LoadedDesign loaded = ReadText(text);
    EXPECT_THAT(loaded.warnings,
                ElementsAre("test.pcb: " + LineOf(text, "(padStyleDef \"SMD\" (holeDiam 5)") +
                                " style \"SMD\" is defined twice; the first definition is used",
                            "test.pcb: " + LineOf(text, "(refDesRef \"R1\") (pt 0 0)") +
                                " the part \"R1\" is placed twice; net nodes go to the first"));
    EXPECT_EQ(loaded.design.padStyles.size(), 1u);
    EXPECT_EQ(loaded.design.padStyles[0].hole, 0);
    EXPECT_EQ(loaded.design.components.size(), 2u);
    EXPECT_EQ(loaded.design.nets[0].nodes[0].x, 950 * 2540);
}

TEST(PcadReaderWarnings, OverlongTextsAreRefusedNotCut)
{
    // A cut name could become another net's: the load stops at the net.
    const std::string longName(120, 'n');
    const std::string text = PcadText({.netlist = "(net \"" + longName + "\")\n"});
    EXPECT_EQ(LoadError(text), "test.pcb: " + LineOf(text, "(net \"nnn") + " the net name \"" + std::string(40, 'n') +
                                   "\"...: the text is 120 bytes long; its DBX field holds 100");
    const std::string tie = PcadText({.netlist = "(net \"T\" (attr \"TieNet\" \"" + std::string(257, 'v') + "\"))\n"});
    EXPECT_THAT(LoadError(tie), HasSubstr("the value of the attribute \"TieNet\" \"vvvv"));
    EXPECT_THAT(LoadError(tie), HasSubstr("the text is 257 bytes long; its DBX field holds 256"));
}

} // namespace
} // namespace nodewick::design::pcad::test
