#include "export/plain_text.h"

#include <gtest/gtest.h>

#include "export_harness.h"

namespace nodewick::exporter {
namespace {

using namespace nodewick::testing;
using namespace nodewick::testing::styles;
using Lines = std::vector<std::string>;

TEST(FirstControlCharacter, CodesBelow32And127Only)
{
    EXPECT_EQ(FirstControlCharacter("NET 1+/_-"), std::nullopt);
    EXPECT_EQ(FirstControlCharacter("R\xE9" "\x80\xFF"), std::nullopt);  // Windows-1252 letters are text
    EXPECT_EQ(FirstControlCharacter("4\n999"), '\n');
    EXPECT_EQ(FirstControlCharacter("A\x1F"), '\x1F');
    EXPECT_EQ(FirstControlCharacter("A\x7F"), '\x7F');
    EXPECT_EQ(FirstControlCharacter(std::string_view("A\0B", 3)), '\0');
    EXPECT_EQ(FirstControlCharacter("\t\r"), '\t');
}

TEST(Printable, ControlCharactersAreShownAsHex)
{
    EXPECT_EQ(Printable("4\n999"), "4\\x0A999");
    EXPECT_EQ(Printable("\r\x7F" "A"), "\\x0D\\x7FA");
    EXPECT_EQ(Printable("GND"), "GND");
}

// Each case: no netlist, and the message names the item, the field and the
// character.
struct Refused {
    ExportResult result;
    Lines filesLeft;
};

Refused RunRefused(ExportHarness& harness)
{
    Refused refused{.result = harness.run(), .filesLeft = harness.filesLeft()};
    EXPECT_FALSE(refused.result.written);
    EXPECT_TRUE(harness.conversationClosedAfterRun);
    return refused;
}

TEST(ControlCharacters, PinWithALineFeedIsRefused)
{
    ExportHarness harness;
    harness.design.nets = {Net(1, "N", {Pad("U1", "3", kSmdPad, 1, 2), Pad("U1", "4\n999", kSmdPad, 3, 4)})};
    const Refused refused = RunRefused(harness);
    EXPECT_EQ(refused.result.error, "Net N, pad U1-4\\x0A999: the pin designator \"4\\x0A999\" holds the control "
                                    "character 0x0A, which would break the lines of the netlist");
    EXPECT_TRUE(refused.filesLeft.empty());  // no netlist, no temporary file, no settings file
}

TEST(ControlCharacters, ReferenceDesignatorWithATabIsRefused)
{
    ExportHarness harness;
    harness.design.nets = {Net(1, "N", {Pad("U\t1", "1", kSmdPad, 1, 2)})};
    EXPECT_EQ(RunRefused(harness).result.error,
              "Net N, pad U\\x091-1: the reference designator \"U\\x091\" holds the control character 0x09, which "
              "would break the lines of the netlist");
}

TEST(ControlCharacters, NetNameWithACarriageReturnIsRefused)
{
    ExportHarness harness;
    harness.design.nets = {Net(1, "GND", {Pad("U1", "1", kSmdPad, 1, 2)}),
                           Net(7, "A\rB", {Pad("U1", "2", kSmdPad, 1, 2)})};
    const Refused refused = RunRefused(harness);
    EXPECT_EQ(refused.result.error, "Net id 7: the net name \"A\\x0DB\" holds the control character 0x0D, which "
                                    "would break the lines of the netlist");
    EXPECT_TRUE(refused.filesLeft.empty());
}

TEST(ControlCharacters, TieValueIsRefusedWhereItIsWritten)
{
    ExportHarness harness;
    harness.design.nets = {TiedNet(1, "N", "PWR\x7F", {Pad("U1", "1", kSmdPad, 1, 2)})};
    EXPECT_EQ(RunRefused(harness).result.error, "Net N (id 1): the TieNet value \"PWR\\x7F\" holds the control "
                                                "character 0x7F, which would break the lines of the netlist");

    // With Tie off the value is not written, and the net goes out under its own name.
    harness.choices.tie = false;
    EXPECT_TRUE(harness.run().written);
}

// A title with a line feed would add a second units line to the header.
TEST(ControlCharacters, TitleIsRefusedBeforeAnyFileIsWritten)
{
    ExportHarness harness;
    harness.design.title = "Controller\nP  UNITS SI";
    const Refused refused = RunRefused(harness);
    EXPECT_EQ(refused.result.error, "The design information: the title \"Controller\\x0AP  UNITS SI\" holds the "
                                    "control character 0x0A, which would break the lines of the netlist");
    EXPECT_TRUE(refused.filesLeft.empty());
}

TEST(ControlCharacters, OtherHeaderTextsAndLayerEntriesAreRefused)
{
    ExportHarness engineer;
    engineer.design.engineer = "R.\x01Tester";
    EXPECT_EQ(RunRefused(engineer).result.error,
              "The design information: the engineer \"R.\\x01Tester\" holds the control character 0x01, which "
              "would break the lines of the netlist");

    ExportHarness layers;
    layers.choices.layerList = {"Top   1", "Bot\ttom   2"};
    EXPECT_EQ(RunRefused(layers).result.error, "The layer list: entry 2 \"Bot\\x09tom   2\" holds the control "
                                               "character 0x09, which would break the lines of the netlist");
    EXPECT_TRUE(layers.filesLeft().empty());
}

// Spaces and the letters of the code page above 127 are ordinary text.
TEST(ControlCharacters, SpacesAndCodePageLettersAreWritten)
{
    ExportHarness harness;
    harness.design.nets = {Net(1, "A B", {Pad("R\xE9", "1", kSmdPad, 1, 2)})};
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(harness.records(),
              (Lines{ "327A B              R\xE9    -1          A01X 000001Y 000002X0600Y0200     S1", "999"}));
}

} // namespace
} // namespace nodewick::exporter
