#include "check/record_line.h"

#include <gtest/gtest.h>

namespace nodewick::check {
namespace {

// Column ruler for the lines below:
//                 1111111111222222222233333333334444444444555555555566666666667777777777
//        1234567890123456789012345678901234567890123456789012345678901234567890123456789
const std::string kSurfacePad =
    "327GND              U12   -14         A01X 012345Y 005000X0600Y0200R90  S1";
const std::string kThroughVia =
    "317GND              VIA   -    MD0032PA00X 123456Y 234567               S0";
const std::string kBlindVia =
    "307NET2             VIA   -    MD0080PA01X 020000Y 015750               S0L01L03";
const std::string kThroughPad =
    "317NET1             J1    -4    D0400PA00X 007000Y 014000               S3";

struct Read {
    std::optional<RecordLine> line;
    Findings findings;
};

// The record's texts are views into the line: `text` must outlive the result
// (a literal or a string of the caller's, never a temporary std::string).
Read ReadLine(std::string_view text)
{
    Read read;
    read.line = ReadRecordLine(text, 7, read.findings);
    return read;
}

// The one finding of a line, by column.
const Finding& OnlyFinding(const Read& read)
{
    EXPECT_EQ(read.findings.list().size(), 1u);
    static const Finding none{Severity::Error, -1, -1, "no finding"};
    return read.findings.list().empty() ? none : read.findings.list().front();
}

TEST(RecordLine, SurfacePadFieldByField)
{
    const Read read = ReadLine(kSurfacePad);
    ASSERT_TRUE(read.line);
    EXPECT_TRUE(read.findings.empty());
    const TestRecord& r = read.line->record;
    EXPECT_EQ(read.line->netField, "GND");
    EXPECT_EQ(r.line, 7);
    EXPECT_EQ(r.kind, RecordKind::Surface);
    EXPECT_EQ(r.refDes, "U12");
    EXPECT_EQ(r.pin, "14");
    EXPECT_FALSE(r.midPoint);
    EXPECT_FALSE(r.drill);
    EXPECT_EQ(r.access, 1);
    EXPECT_EQ(r.x, 12345);
    EXPECT_EQ(r.y, 5000);
    ASSERT_TRUE(r.size);
    EXPECT_EQ(r.size->width, 600);
    EXPECT_EQ(r.size->height, 200);
    EXPECT_EQ(r.rotation, 90.0);
    EXPECT_EQ(r.soldermask, 1);
    EXPECT_FALSE(r.isVia());
}

TEST(RecordLine, DrilledRecordsCarryDrillAccessAndMidPoint)
{
    const Read via = ReadLine(kThroughVia);
    ASSERT_TRUE(via.line);
    EXPECT_TRUE(via.findings.empty());
    EXPECT_TRUE(via.line->record.isVia());
    EXPECT_TRUE(via.line->record.midPoint);
    EXPECT_EQ(via.line->record.drill, 32);
    EXPECT_TRUE(via.line->record.plated);
    EXPECT_EQ(via.line->record.access, 0);
    EXPECT_EQ(via.line->record.x, 123456);
    EXPECT_EQ(via.line->record.y, 234567);
    EXPECT_EQ(via.line->record.soldermask, 0);
    EXPECT_FALSE(via.line->record.size);

    const Read blind = ReadLine(kBlindVia);
    ASSERT_TRUE(blind.line);
    EXPECT_TRUE(blind.findings.empty());
    EXPECT_EQ(blind.line->record.kind, RecordKind::BlindBuried);
    EXPECT_EQ(blind.line->record.access, 1);
    EXPECT_EQ(blind.line->record.layerRange, std::pair(1, 3));

    const Read pad = ReadLine(kThroughPad);
    ASSERT_TRUE(pad.line);
    EXPECT_TRUE(pad.findings.empty());
    EXPECT_EQ(pad.line->record.drill, 400);
    EXPECT_FALSE(pad.line->record.midPoint);
    EXPECT_EQ(pad.line->record.pin, "4");
    EXPECT_EQ(pad.line->record.soldermask, 3);
}

TEST(RecordLine, WhatTheFormatAllowsIsReadWithoutFindings)
{
    struct Case {
        std::string line;
        std::int64_t x, y;
        std::optional<double> rotation;
    };
    const Case cases[] = {
        // "+" signs, a "-" sign.
        {"327GND              U12   -14         A01X+012345Y-005000X0600Y0200R90  S1", 12345, -5000, 90.0},
        // Rotations of three digits, zero-filled, and with a decimal.
        {"327GND              U12   -14         A01X 012345Y 005000X0600Y0200R180 S1", 12345, 5000, 180.0},
        {"327GND              U12   -14         A01X 012345Y 005000X0600Y0200R090 S1", 12345, 5000, 90.0},
        {"327GND              U12   -14         A01X 012345Y 005000X0600Y0200R45.5S1", 12345, 5000, 45.5},
        // No rotation, no soldermask: the line ends after the size.
        {"327GND              U12   -14         A01X 012345Y 005000X0600Y0200", 12345, 5000, std::nullopt},
    };
    for (const Case& c : cases) {
        const Read read = ReadLine(c.line);
        ASSERT_TRUE(read.line) << c.line;
        EXPECT_TRUE(read.findings.empty()) << c.line;
        EXPECT_EQ(read.line->record.x, c.x) << c.line;
        EXPECT_EQ(read.line->record.y, c.y) << c.line;
        EXPECT_EQ(read.line->record.rotation, c.rotation) << c.line;
    }
}

TEST(RecordLine, OptionalFieldsMayBeMissing)
{
    // A through-hole record without drill or soldermask, ending at column 57.
    const Read bare = ReadLine("317NET1             J1    -4          A00X 007000Y 014000");
    ASSERT_TRUE(bare.line);
    EXPECT_TRUE(bare.findings.empty());
    EXPECT_FALSE(bare.line->record.drill);
    EXPECT_FALSE(bare.line->record.soldermask);

    // A feature size without a height is as high as wide; an unplated drill.
    const Read round = ReadLine("327NET1             TP1   -1          A01X 007000Y 014000X0400          S1");
    ASSERT_TRUE(round.line);
    EXPECT_TRUE(round.findings.empty());
    EXPECT_EQ(round.line->record.size->height, 400);
    const Read unplated = ReadLine("317NET1             J1    -4    D0400UA00X 007000Y 014000               S3");
    ASSERT_TRUE(unplated.line);
    EXPECT_FALSE(unplated.line->record.plated);
}

TEST(RecordLine, PinOfFiveCharactersTakesColumn32)
{
    const Read read = ReadLine("327GND              U12   -A1234      A01X 012345Y 005000X0600Y0200R90  S1");
    ASSERT_TRUE(read.line);
    EXPECT_TRUE(read.findings.empty());
    EXPECT_EQ(read.line->record.pin, "A1234");
    EXPECT_FALSE(read.line->record.midPoint);
}

// A line with one fault: the one error it gives, at its column.
struct Fault {
    std::string line;
    int column;
    std::string says;
};

void ExpectOneErrorEach(std::initializer_list<Fault> faults)
{
    for (const Fault& fault : faults) {
        const Read read = ReadLine(fault.line);
        const Finding& finding = OnlyFinding(read);
        EXPECT_EQ(finding.line, 7) << fault.line;
        EXPECT_EQ(finding.column, fault.column) << fault.line;
        EXPECT_EQ(finding.severity, Severity::Error) << fault.line;
        EXPECT_NE(finding.message.find(fault.says), std::string::npos) << finding.message;
    }
}

TEST(RecordLine, FieldsOutOfTheirColumnsAreFoundWhereTheyStand)
{
    ExpectOneErrorEach({
        // The access code one column right: its "A" stands in column 40.
        {"327GND              U12   -14          A01X012345Y 005000X0600Y0200R90  S1", 40, "belongs in column 39"},
        // The drill starts in column 34.
        {"317NET1             J1    -4     D0400PA00X 007000Y 014000               S3", 34, "belongs in column 33"},
        // A net name of 15 characters spills into column 18.
        {"317ABCDEFGHIJKLMNO  J1    -4    D0400PA00X 007000Y 014000               S3", 18, "past column 17"},
        // No "-" in column 27.
        {"317NET1             J1     4    D0400PA00X 007000Y 014000               S3", 27, "'-'"},
        // A rotation of six characters pushes the soldermask out of 73-74.
        {"327GND              U12   -14         A01X 012345Y 005000X0600Y0200R333.3S1", 73, "runs past column 72"},
        // A via marks column 32 with M only.
        {"317GND              VIA   -    QD0032PA00X 123456Y 234567               S0", 32, "mid-point"},
    });
}

TEST(RecordLine, NonDigitsAndBadCodesInNumericFields)
{
    ExpectOneErrorEach({
        {"327GND              U12   -14         A01X 0123a5Y 005000X0600Y0200R90  S1", 48, "digits only"},
        {"327GND              U12   -14         A01X 012345Y 005000X06O0Y0200R90  S1", 61, "digits only"},
        {"317NET1             J1    -4    D04 0PA00X 007000Y 014000               S3", 36, "digits only"},
        {"327GND              U12   -14         A01X*012345Y 005000X0600Y0200R90  S1", 43, "sign"},
        {"327GND              U12   -14         A01X 012345Y 005000X0600Y0200R9x  S1", 70, "not a number"},
        {"327GND              U12   -14         A01X 012345Y 005000X0600Y0200R90  S7", 74, "soldermask"},
        {"327GND              U12   -14         A00X 012345Y 005000X0600Y0200R90  S1", 40, "access code 00"},
        {"307NET2             VIA   -    MD0080PA01X 020000Y 015750               S0L0xL03", 77, "digits only"},
    });
}

TEST(RecordLine, LinesThatCannotBePlacedGiveNoRecord)
{
    // Ends in column 50, inside the location.
    const Read shortLine = ReadLine("317NET1             J1    -4    D0400PA00X 007000Y");
    EXPECT_FALSE(shortLine.line);
    EXPECT_EQ(OnlyFinding(shortLine).column, 51);

    const Read unknown = ReadLine("378NET1             J1    -4    D0400PA00X 007000Y 014000               S3");
    EXPECT_FALSE(unknown.line);
    EXPECT_EQ(OnlyFinding(unknown).severity, Severity::Warning);

    const Read garbage = ReadLine("3x7NET1             J1    -4    D0400PA00X 007000Y 014000               S3");
    EXPECT_FALSE(garbage.line);
    EXPECT_EQ(OnlyFinding(garbage).severity, Severity::Error);
    EXPECT_EQ(OnlyFinding(garbage).column, 1);
}

TEST(RecordLine, UnusualButReadableFieldsAreWarnings)
{
    // A layer range on a through-hole record; a blind via without one; a
    // surface record with a drill.
    const std::string lines[] = {
        "317NET1             J1    -4    D0400PA00X 007000Y 014000               S3L01L02",
        "307NET2             VIA   -    MD0080PA01X 020000Y 015750               S0",
        "327NET1             TP1   -1    D0400PA01X 007000Y 014000X0400Y0400     S1",
    };
    const int columns[] = {75, 75, 33};
    for (std::size_t i = 0; i < 3; ++i) {
        const Read read = ReadLine(lines[i]);
        ASSERT_TRUE(read.line) << lines[i];
        EXPECT_EQ(OnlyFinding(read).severity, Severity::Warning) << lines[i];
        EXPECT_EQ(OnlyFinding(read).column, columns[i]) << lines[i];
    }
}

} // namespace
} // namespace nodewick::check
