#include "design/pcad/values.h"

#include <gtest/gtest.h>

#include <string>

#include "design/design_file.h"

namespace nodewick::design::pcad {
namespace {

// Parses "ACCEL_ASCII" and one list, and hands that list to the check.
class OneList {
public:
    explicit OneList(std::string list)
        : text_("ACCEL_ASCII \"\"\n" + std::move(list)), document_(Document::Parse(text_, reporter_))
    {
    }
    ListView list() const { return document_.root().child(document_.root().begin()); }
    const Reporter& reporter() const { return reporter_; }

private:
    Reporter reporter_{"t.pcb"};
    std::string text_;
    Document document_;
};

std::vector<std::int32_t> Lengths(const std::string& list, Unit fileUnit)
{
    OneList parsed(list);
    ValueReader values(parsed.list(), fileUnit, parsed.reporter());
    std::vector<std::int32_t> lengths;
    while (!values.atEnd())
        lengths.push_back(values.length().databaseUnits);
    return lengths;
}

std::string LengthError(const std::string& list)
{
    try {
        Lengths(list, Unit::Mil);
    } catch (const DesignError& error) {
        return error.what();
    }
    return {};
}

TEST(PcadLengths, UnitGluedOrAsTheNextWordBelongsToOneNumberOnly)
{
    EXPECT_EQ(Lengths("(pt 12.0mil 1.2mm)", Unit::Millimetre), (std::vector<std::int32_t>{30480, 120000}));
    EXPECT_EQ(Lengths("(extent 17.79587 mm 135.0)", Unit::Mil), (std::vector<std::int32_t>{1779587, 342900}));
    EXPECT_EQ(Lengths("(strokeWidth 0.19843 MM)", Unit::Mil), (std::vector<std::int32_t>{19843}));
    EXPECT_EQ(Lengths("(pt 1 in -2 Mil)", Unit::Millimetre), (std::vector<std::int32_t>{2540000, -5080}));
    EXPECT_EQ(Lengths("(pt 0.5 -3)", Unit::Millimetre), (std::vector<std::int32_t>{50000, -300000}));
    EXPECT_EQ(Lengths("(pt +12 .5)", Unit::Mil), (std::vector<std::int32_t>{30480, 1270}));
}

TEST(PcadLengths, ExactFromTheDigitsToTheNearestDatabaseUnit)
{
    EXPECT_EQ(Lengths("(w 59.055mil)", Unit::Mil), (std::vector<std::int32_t>{150000}));  // 149999.7
    EXPECT_EQ(Lengths("(w 0.00001mm)", Unit::Mil), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(Lengths("(w -0.0004mil)", Unit::Mil), (std::vector<std::int32_t>{-1}));  // -1.016
    EXPECT_EQ(Lengths("(w 21474.83647mm)", Unit::Mil), (std::vector<std::int32_t>{2147483647}));
    EXPECT_NE(LengthError("(w 21474.83648mm)").find("beyond the range of the design database"), std::string::npos);
}

TEST(PcadLengths, AnExactHalfGoesToTheEvenUnitAsInTheJsonFile)
{
    // 0.000005 mm is half a unit, 0.000015 mm one and a half: 0.5 -> 0,
    // 1.5 -> 2, -2.5 -> -2; a computed place rounds the same way.
    EXPECT_EQ(Lengths("(pt 0.000005 0.000015)", Unit::Millimetre), (std::vector<std::int32_t>{0, 2}));
    EXPECT_EQ(Lengths("(pt -0.000025mm 0.0000250001mm)", Unit::Mil), (std::vector<std::int32_t>{-2, 3}));
    const Reporter reporter("t.pcb");
    EXPECT_EQ(RoundToDatabaseUnits(2.5, 1, reporter), 2);
    EXPECT_EQ(RoundToDatabaseUnits(3.5, 1, reporter), 4);
    EXPECT_EQ(RoundToDatabaseUnits(-0.5, 1, reporter), 0);
    EXPECT_THROW(RoundToDatabaseUnits(2147483648.0, 1, reporter), DesignError);
}

TEST(PcadLengths, BadNumberAndUnknownUnitNameTheListAndLine)
{
    EXPECT_EQ(LengthError("(pt 1.0 \n abc)"), "t.pcb: line 3: in (pt ...): expected a number, found \"abc\"");
    EXPECT_EQ(LengthError("(holeDiam 12.0furlong)"),
              "t.pcb: line 2: in (holeDiam ...): unknown unit \"furlong\" in \"12.0furlong\"");
    EXPECT_EQ(LengthError("(pt 1..2 0)"), "t.pcb: line 2: in (pt ...): expected a number, found \"1..2\"");
    EXPECT_EQ(LengthError("(pt 1e5 0)"), "t.pcb: line 2: in (pt ...): unknown unit \"e5\" in \"1e5\"");
    EXPECT_EQ(LengthError("(pt \"1\" 0)"), "t.pcb: line 2: in (pt ...): expected a number, found \"1\"");
    EXPECT_EQ(LengthError("(pt - 0)"), "t.pcb: line 2: in (pt ...): expected a number, found \"-\"");
    EXPECT_EQ(LengthError("(pt 1e999999 0)"), "t.pcb: line 2: in (pt ...): unknown unit \"e999999\" in \"1e999999\"");
    EXPECT_EQ(LengthError("(pt 99999999999999999999 0)"),
              "t.pcb: line 2: in (pt ...): \"99999999999999999999\" is beyond the range of the design database (about 21 "
              "metres)");
}

TEST(PcadValues, NumbersWithoutUnitsIntegersTextsAndBooleans)
{
    OneList parsed("(x 90.5 7 \"3_P_R\\\\W\" bare TRUE false Signal)");
    ValueReader values(parsed.list(), Unit::Mil, parsed.reporter());
    EXPECT_EQ(values.number(), 90.5);
    EXPECT_EQ(values.integer(), 7);
    EXPECT_EQ(values.text(), "3_P_R\\W");
    EXPECT_EQ(values.text(), "bare");
    EXPECT_TRUE(values.boolean());
    EXPECT_FALSE(values.boolean());
    EXPECT_EQ(values.word(), "Signal");
    EXPECT_TRUE(values.atEnd());
    EXPECT_THROW(values.word(), DesignError);
}

TEST(PcadValues, WrongKindsOfValueAreErrors)
{
    const auto error = [](const std::string& list, auto read) {
        OneList parsed(list);
        ValueReader values(parsed.list(), Unit::Mil, parsed.reporter());
        try {
            read(values);
        } catch (const DesignError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(error("(isFlipped Yes)", [](ValueReader& v) { v.boolean(); }),
              "t.pcb: line 2: in (isFlipped ...): expected True or False, found \"Yes\"");
    EXPECT_EQ(error("(padNum 1.5)", [](ValueReader& v) { v.integer(); }),
              "t.pcb: line 2: in (padNum ...): expected a whole number, found \"1.5\"");
    EXPECT_EQ(error("(padNum 99999999999)", [](ValueReader& v) { v.integer(); }),
              "t.pcb: line 2: in (padNum ...): expected a whole number, found \"99999999999\"");
    EXPECT_EQ(error("(rotation 90deg)", [](ValueReader& v) { v.number(); }),
              "t.pcb: line 2: in (rotation ...): expected a number, found \"90deg\"");
    EXPECT_EQ(error("(rotation nan)", [](ValueReader& v) { v.number(); }),
              "t.pcb: line 2: in (rotation ...): expected a number, found \"nan\"");
    EXPECT_EQ(error("(layerType \"Signal\")", [](ValueReader& v) { v.word(); }),
              "t.pcb: line 2: in (layerType ...): expected a word, found \"Signal\"");
    EXPECT_EQ(error("(rotation)", [](ValueReader& v) { v.number(); }),
              "t.pcb: line 2: in (rotation ...): a number is missing");
}

TEST(PcadAngles, TenthsOfADegreeNormalisedToOneTurn)
{
    const Reporter reporter("t.pcb");
    EXPECT_EQ(ToTenthsOfDegree(0.0, 1, reporter), 0);
    EXPECT_EQ(ToTenthsOfDegree(90.0, 1, reporter), 900);
    EXPECT_EQ(ToTenthsOfDegree(225.0, 1, reporter), 2250);
    EXPECT_EQ(ToTenthsOfDegree(360.0, 1, reporter), 0);
    EXPECT_EQ(ToTenthsOfDegree(450.0, 1, reporter), 900);
    EXPECT_EQ(ToTenthsOfDegree(-90.0, 1, reporter), 2700);
    EXPECT_EQ(ToTenthsOfDegree(12.34, 1, reporter), 123);
    EXPECT_EQ(ToTenthsOfDegree(359.96, 1, reporter), 0);
    EXPECT_THROW(ToTenthsOfDegree(1e300, 1, reporter), DesignError);
}

} // namespace
} // namespace nodewick::design::pcad
