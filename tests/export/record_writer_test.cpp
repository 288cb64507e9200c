#include "export/record_writer.h"

#include <gtest/gtest.h>

namespace nodewick::exporter {
namespace {

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                                  1        10        20        30
//                                  |        |         |         |

TEST(WriteRecord, NumberIsWrittenWithALeadingAndATrailingSpace)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "C Components"), NumberItem(17, 57)});
    EXPECT_EQ(out, "C Components     57 \r\n");
}

TEST(WriteRecord, NumberAtColumn17ShowsItsFirstDigitAtColumn18)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "C Number of Nets"), NumberItem(17, 42)});
    WriteRecord(out, {TextItem(1, "C Design Name"), TextItem(18, "board.pcb")});
    EXPECT_EQ(out, "C Number of Nets 42 \r\n"
                   "C Design Name    board.pcb\r\n");
}

TEST(WriteRecord, NegativeNumberHasTheMinusInPlaceOfTheLeadingSpace)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "ab"), NumberItem(5, -3)});
    EXPECT_EQ(out, "ab  -3 \r\n");
}

TEST(WriteRecord, CountWithoutValueWritesOnlyThePadding)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "C Components"), NumberItem(17, std::nullopt)});
    WriteRecord(out, {TextItem(1, "C Connected Pins"), NumberItem(17, std::nullopt)});
    EXPECT_EQ(out, "C Components    \r\n"
                   "C Connected Pins\r\n");
}

TEST(WriteRecord, EmptyTextStillMovesToItsColumn)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "C Drawing Number"), TextItem(18, "")});
    EXPECT_EQ(out, "C Drawing Number \r\n");
}

TEST(WriteRecord, ItemAtTheCurrentColumnFollowsDirectly)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "abcd"), TextItem(5, "X")});
    EXPECT_EQ(out, "abcdX\r\n");
}

TEST(WriteRecord, ItemLeftOfTheCurrentColumnStartsANewLineAtItsColumn)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "0123456789"), TextItem(5, "X"), TextItem(8, "Y")});
    EXPECT_EQ(out, "0123456789\r\n"
                   "    X  Y\r\n");
}

TEST(WriteRecord, FirstItemAlwaysStartsTheLine)
{
    std::string out;
    WriteRecord(out, {TextItem(10, "A"), TextItem(3, "B")});
    EXPECT_EQ(out, "A B\r\n");
}

TEST(WriteRecord, PartsOfATextItemAreJoinedWithoutSeparators)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "327", "GND"), TextItem(8, "A", "01", "X")});
    EXPECT_EQ(out, "327GND A01X\r\n");
}

TEST(WriteRecord, ItemThatIsNotPresentDoesNotMoveTheWriter)
{
    std::string out;
    WriteRecord(out, {TextItem(1, "A123X"), TextItemIf(false, 5, "-"), TextItem(6, "000100")});
    WriteRecord(out, {TextItem(1, "A12X"), TextItemIf(true, 5, "-"), TextItem(6, "000100")});
    EXPECT_EQ(out, "A123X000100\r\n"
                   "A12X-000100\r\n");
}

TEST(WriteRecord, AppendsToWhatIsAlreadyThere)
{
    std::string out = "999\r\n";
    WriteRecord(out, {TextItem(1, "ab"), TextItem(4, "c")});
    EXPECT_EQ(out, "999\r\nab c\r\n");
}

} // namespace
} // namespace nodewick::exporter
