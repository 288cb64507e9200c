// What of a P-CAD file reaches the design, and what is refused because it
// would give a wrong netlist: vias inside patterns, unplated holes, files
// that hold no board, texts that would break a netlist line, merged nets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "pcad_text.h"

namespace nodewick::design::pcad::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr std::int32_t kMil = 2540;

// The pattern "VP": no pads, a via of net N1 at (100, 0) and one of no net
// at (0, 30); the part Q1 places it at (2000, 500) turned by 90 degrees.
BoardPieces PatternWithVias()
{
    return {
        .library = "(patternDef \"VP\" (multiLayer (via (viaStyleRef \"V\") (pt 100 0) (netNameRef \"N1\"))\n"
                   "  (via (viaStyleRef \"V\") (pt 0 30))))\n",
        .netlist = "(compInst \"Q1\" (compRef \"CHIP_1\"))\n",
        .multiLayer = "(pattern (patternRef \"VP\") (refDesRef \"Q1\") (pt 2000 500) (rotation 90))\n",
    };
}

TEST(PcadPatternVias, AViaThatNamesANetIsAViaOfThatNetPlacedWithItsPart)
{
    const std::string text = PcadText(PatternWithVias());
    const LoadedDesign loaded = ReadText(text);
    // (100, 0) turned a quarter counter-clockwise is (0, 100), moved to the
    // part's origin (2000, 500): (2000, 600) mil.
    ASSERT_EQ(loaded.design.nets[0].items.size(), 1u);
    const Item& via = loaded.design.nets[0].items[0];
    EXPECT_EQ(via.type, 4);
    EXPECT_EQ(via.x, 2000 * kMil);
    EXPECT_EQ(via.y, 600 * kMil);
    EXPECT_EQ(via.viaStyle, 0);
    EXPECT_EQ(via.rotation, 900);
    EXPECT_EQ(via.flip, 0);
}

TEST(PcadPatternVias, AViaWithoutANetStaysOutAndTheWarningSaysWhy)
{
    const std::string text = PcadText(PatternWithVias());
    const LoadedDesign loaded = ReadText(text);
    EXPECT_THAT(loaded.warnings,
                ElementsAre("test.pcb: " + LineOf(text, "(via (viaStyleRef \"V\") (pt 0 30)") +
                            " a via of the pattern \"VP\" in the part \"Q1\" names no net (netNameRef); it is no test "
                            "point and is skipped"));
}

TEST(PcadPatternVias, AFlippedPartMirrorsItsViaAndPutsItOnTheOtherSide)
{
    BoardPieces pieces = PatternWithVias();
    pieces.multiLayer = "(pattern (patternRef \"VP\") (refDesRef \"Q1\") (pt 2000 500) (isFlipped True))\n";
    const LoadedDesign loaded = ReadText(PcadText(pieces));
    ASSERT_EQ(loaded.design.nets[0].items.size(), 1u);
    // (100, 0) mirrored in X: (-100, 0), at (1900, 500).
    EXPECT_EQ(loaded.design.nets[0].items[0].x, 1900 * kMil);
    EXPECT_EQ(loaded.design.nets[0].items[0].y, 500 * kMil);
    EXPECT_EQ(loaded.design.nets[0].items[0].flip, 1);
}

TEST(PcadPlating, HolesArePlatedUnlessTheStyleSaysFalse)
{
    const std::string text = PcadText({.library = "(padStyleDef \"MT\" (holeDiam 125) (isHolePlated False))\n"
                                                  "(viaStyleDef \"VU\" (holeDiam 10) (isHolePlated False))\n"
                                                  "(padStyleDef \"TH\" (holeDiam 40) (isHolePlated True))\n"});
    const LoadedDesign loaded = ReadText(text);
    ASSERT_EQ(loaded.design.padStyles.size(), 3u);
    EXPECT_TRUE(loaded.design.padStyles[0].plated);  // SMD says nothing
    EXPECT_FALSE(loaded.design.padStyles[1].plated);
    EXPECT_TRUE(loaded.design.padStyles[2].plated);
    ASSERT_EQ(loaded.design.viaStyles.size(), 2u);
    EXPECT_TRUE(loaded.design.viaStyles[0].plated);
    EXPECT_FALSE(loaded.design.viaStyles[1].plated);
}

TEST(PcadNotABoard, ASchematicALibraryAndANetlistAreRefusedForWhatTheyAre)
{
    const std::string schematic = "ACCEL_ASCII \"C:\\s.sch\"\n(asciiHeader (fileUnits Mil))\n"
                                  "(library \"L\")\n(netlist \"N\" (net \"A\"))\n(schematicDesign \"S\" (sheet \"1\"))\n";
    EXPECT_EQ(LoadError(schematic), "test.pcb: this is a P-CAD schematic (schematicDesign), not a PCB design "
                                    "(pcbDesign); Nodewick reads P-CAD ASCII PCB files");
    const std::string library = "ACCEL_ASCII \"C:\\l.lia\"\n(asciiHeader (fileUnits Mil))\n"
                                "(library \"L\" (padStyleDef \"P\" (holeDiam 0)))\n";
    EXPECT_EQ(LoadError(library), "test.pcb: this is a P-CAD library file: it holds a library and no PCB design "
                                  "(pcbDesign); Nodewick reads P-CAD ASCII PCB files");
    const std::string netlist = "ACCEL_ASCII \"C:\\n.net\"\n(asciiHeader (fileUnits Mil))\n(netlist \"N\" (net \"A\"))\n";
    EXPECT_THAT(LoadError(netlist), HasSubstr("this is a P-CAD netlist file"));
}

TEST(PcadQuietForms, SettingsOfNewerFilesPassWithoutAWarningAndUnknownFormsStillWarn)
{
    const std::string text =
        PcadText({}) + "(pcbDesign \"P2\" (drillSymSettings (drillSymSize 10)) (displayDrawOrder (layerRef 1))\n"
                       "  (holographicLayer 3))\n";
    const LoadedDesign loaded = ReadText(text);
    EXPECT_THAT(loaded.warnings, ElementsAre("test.pcb: " + LineOf(text, "(holographicLayer") +
                                             " skipped the unknown form (holographicLayer ...)"));
}

TEST(PcadTexts, AControlCharacterInATextTheNetlistWritesIsRefusedNamingIt)
{
    // A pin "A" LF "999" by escape would put the end record mid-file.
    const std::string pin = PcadText({.library = "(compDef \"ESC\" (attachedPattern (patternNum 1) (patternName \"CHIP\")\n"
                                                 "  (padPinMap (padNum 1) (compPinRef \"A\\n999\") (padNum 2) (compPinRef \"B\"))))\n",
                                      .netlist = "(compInst \"R7\" (compRef \"ESC\"))\n(net \"N7\" (node \"R7\" \"A\\n999\"))\n",
                                      .multiLayer = "(pattern (patternRef \"CHIP_1\") (refDesRef \"R7\") (pt 0 0))\n"});
    EXPECT_EQ(LoadError(pin), "test.pcb: " + LineOf(pin, "(net \"N7\"") +
                                  " the pin designator of \"R7\" \"A?999\": the text holds the line feed 0x0A, which "
                                  "would break its line of the netlist");
    const std::string net = PcadText({.netlist = "(net \"N\tTAB\")\n"});
    EXPECT_EQ(LoadError(net), "test.pcb: " + LineOf(net, "(net \"N\tTAB") +
                                  " the net name \"N?TAB\": the text holds the tab 0x09, which would break its line of "
                                  "the netlist");
    const std::string title = PcadText({.multiLayer = ")\n(pcbDesignHeader (designInfo (fieldSet \"(Default)\"\n"
                                                      "  (fieldDef \"Title\" \"Amp\\rP  UNITS SI\"))))\n(multiLayer\n"});
    EXPECT_THAT(LoadError(title), HasSubstr("the title \"Amp?P  UNITS SI\": the text holds the carriage return 0x0D"));
}

TEST(PcadTexts, ATextTheNetlistDoesNotWriteMayHoldLineBreaks)
{
    const std::string text = PcadText({.netlist = "(net \"N2\" (attr \"Comment\" \"two\\nlines\"))\n"});
    const LoadedDesign loaded = ReadText(text);
    EXPECT_EQ(loaded.design.nets[1].attributes[0].value, "two\nlines");
}

TEST(PcadTexts, ANulInsideAStringIsRefusedAtItsLine)
{
    const std::string text = PcadText({.netlist = std::string("(net \"N1\0X\")\n", 14)});
    EXPECT_EQ(LoadError(text), "test.pcb: " + LineOf(text, std::string("(net \"N1\0", 9)) +
                                   " in (net ...): a text holds a NUL byte, which would end it inside its DBX field");
}

TEST(PcadNets, TwoNetsOfOneNameAreRefusedNamingBoth)
{
    const std::string same = PcadText({.netlist = "(net \"N1\")\n"});
    EXPECT_EQ(LoadError(same), "test.pcb: " + LineOf(same, "(net \"N1\")") + " the net \"N1\" has the name of the net " +
                                   "\"N1\" of line 15 (blanks at the ends do not count); two nets of one name would be written as one");
    const std::string blanks = PcadText({.netlist = "(net \"N1  \")\n"});
    EXPECT_THAT(LoadError(blanks), HasSubstr("the net \"N1  \" has the name of the net \"N1\" of "));
}

} // namespace
} // namespace nodewick::design::pcad::test
