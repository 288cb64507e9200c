#include "export/line_writer.h"

#include <gtest/gtest.h>

#include "support/line_collector.h"

namespace nodewick::exporter {
namespace {

using testing::LineCollector;

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                                  1        10        20        30
//                                  |        |         |         |

TEST(WriteRecord, NumberIsWrittenWithALeadingAndATrailingSpace)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "C Components"), NumberItem(17, 57)});
    EXPECT_EQ(out.text(), "C Components     57 \r\n");
}

TEST(WriteRecord, NumberAtColumn17ShowsItsFirstDigitAtColumn18)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "C Number of Nets"), NumberItem(17, 42)});
    WriteRecord(out, {TextItem(1, "C Design Name"), TextItem(18, "board.pcb")});
    EXPECT_EQ(out.text(), "C Number of Nets 42 \r\n"
                   "C Design Name    board.pcb\r\n");
}

TEST(WriteRecord, NegativeNumberHasTheMinusInPlaceOfTheLeadingSpace)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "ab"), NumberItem(5, -3)});
    EXPECT_EQ(out.text(), "ab  -3 \r\n");
}

TEST(WriteRecord, CountWithoutValueWritesOnlyThePadding)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "C Components"), NumberItem(17, std::nullopt)});
    WriteRecord(out, {TextItem(1, "C Connected Pins"), NumberItem(17, std::nullopt)});
    EXPECT_EQ(out.text(), "C Components    \r\n"
                   "C Connected Pins\r\n");
}

TEST(WriteRecord, EmptyTextStillMovesToItsColumn)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "C Drawing Number"), TextItem(18, "")});
    EXPECT_EQ(out.text(), "C Drawing Number \r\n");
}

TEST(WriteRecord, ItemAtTheCurrentColumnFollowsDirectly)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "abcd"), TextItem(5, "X")});
    EXPECT_EQ(out.text(), "abcdX\r\n");
}

TEST(WriteRecord, ItemLeftOfTheCurrentColumnStartsANewLineAtItsColumn)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "0123456789"), TextItem(5, "X"), TextItem(8, "Y")});
    EXPECT_EQ(out.text(), "0123456789\r\n"
                   "    X  Y\r\n");
}

TEST(WriteRecord, FirstItemAlwaysStartsTheLine)
{
    LineCollector out;
    WriteRecord(out, {TextItem(10, "A"), TextItem(3, "B")});
    EXPECT_EQ(out.text(), "A B\r\n");
}

TEST(WriteRecord, PartsOfATextItemAreJoinedWithoutSeparators)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "327", "GND"), TextItem(8, "A", "01", "X")});
    EXPECT_EQ(out.text(), "327GND A01X\r\n");
}

TEST(WriteRecord, EachCallHandsTheSinkOneLine)
{
    LineCollector out;
    WriteRecord(out, {TextItem(1, "999")});
    WriteRecord(out, {TextItem(1, "ab"), TextItem(4, "c")});
    EXPECT_EQ(out.lines, (std::vector<std::string>{"999", "ab c"}));
}

// The line is the caller's buffer: a second line replaces the first, also
// when the first one was broken in two.
TEST(RecordLine, StartsAfreshInTheBufferItIsGiven)
{
    std::string buffer;
    RecordLine(buffer).text(1, "0123456789").text(3, "X");
    EXPECT_EQ(buffer, "0123456789\r\n  X");
    RecordLine(buffer).text(1, "ab").text(5, "c").number(7, 12);
    EXPECT_EQ(buffer, "ab  c  12 ");
}

} // namespace
} // namespace nodewick::exporter
