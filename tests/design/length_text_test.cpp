#include "design/length_text.h"

#include "base/error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using nodewick::DesignError;
using nodewick::design::ParseLengthText;

TEST(ParseLengthText, MilAndMillimetreToDatabaseUnits)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"60mil", 152400},      {"1.524mm", 152400},  {"0mm", 0},           {"-2.5mil", -6350},
        {"+10mil", 25400},      {"1 mm", 100000},     {".5mm", 50000},      {"5.mil", 12700},
        {"0.05mil", 127},       {"3900mil", 9906000}, {"0.00001mm", 1},     {"2.54000000000000000000mm", 254000},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseLengthText(text), expected) << text;
}

TEST(ParseLengthText, RoundsToNearestUnitAndExactHalvesToEven)
{
    // 0.0001 mil is 0.254 units, 0.0002 mil 0.508 units.
    EXPECT_EQ(ParseLengthText("0.0001mil"), 0);
    EXPECT_EQ(ParseLengthText("0.0002mil"), 1);
    // 0.000005 mm is exactly half a unit: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
    EXPECT_EQ(ParseLengthText("0.000005mm"), 0);
    EXPECT_EQ(ParseLengthText("0.000015mm"), 2);
    EXPECT_EQ(ParseLengthText("0.000025mm"), 2);
    EXPECT_EQ(ParseLengthText("-0.000015mm"), -2);
    // Anything past the half, however far down, rounds up.
    EXPECT_EQ(ParseLengthText("0.0000050000000000000001mm"), 1);
    // 0.00025 mil = 0.635 units; 0.000196850393700787 mil is a hair below 0.5.
    EXPECT_EQ(ParseLengthText("0.00025mil"), 1);
    EXPECT_EQ(ParseLengthText("0.000196850393700787mil"), 0);
}

TEST(ParseLengthText, LimitsOfTheThirtyTwoBitRange)
{
    EXPECT_EQ(ParseLengthText("21474.83647mm"), 2147483647);
    EXPECT_EQ(ParseLengthText("-21474.83648mm"), -2147483647 - 1);
    EXPECT_THROW(ParseLengthText("21474.83648mm"), DesignError);
    EXPECT_THROW(ParseLengthText("845466.0035mil"), DesignError);  // 2147483648.89 units
    EXPECT_THROW(ParseLengthText("99999999999999999999999999mm"), DesignError);
}

TEST(ParseLengthText, TextsThatAreNotALengthWithAUnit)
{
    const std::pair<const char*, const char*> cases[] = {
        {"60", "has no unit"},     {"60cm", "unknown unit \"cm\""}, {"60MIL", "unknown unit"},
        {"mil", "is not a length"}, {"", "is not a length"},         {"1e3mm", "unknown unit \"e3mm\""},
        {"--5mm", "is not a length"}, {"6 0mil", "unknown unit"},    {" 60mil", "is not a length"},
    };
    for (const auto& [text, why] : cases) {
        try {
            ParseLengthText(text);
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const DesignError& error) {
            EXPECT_NE(std::string(error.what()).find(why), std::string::npos) << error.what();
        }
    }
}
