#include "export_options.h"

#include <gtest/gtest.h>

namespace nodewick::cli {
namespace {

using exporter::Units;
using Entries = std::vector<std::string>;

const Entries kLayers{"Top   1", "Bottom   2", "Inner 1   3", "Inner 2   14"};

TEST(OffsetTexts, TwoTextsSeparatedByACommaAsTyped)
{
    EXPECT_EQ(OffsetTexts("12.5,-3", Units::Mils), (std::pair<std::string, std::string>{"12.5", "-3"}));
    EXPECT_EQ(OffsetTexts(" 1.25mm , 0", Units::Millimetres), (std::pair<std::string, std::string>{"1.25mm", "0"}));
    EXPECT_EQ(OffsetTexts("9999.9,-500000", Units::Mils), (std::pair<std::string, std::string>{"9999.9", "-500000"}));
}

TEST(OffsetTexts, AnythingButTwoTextsIsRefused)
{
    EXPECT_THROW(OffsetTexts("12.5", Units::Mils), OptionError);
    EXPECT_THROW(OffsetTexts("1,2,3", Units::Mils), OptionError);
}

TEST(OffsetTexts, OffsetAboveTheLimitIsRefused)
{
    EXPECT_THROW(OffsetTexts("10000,0", Units::Mils), OptionError);
    EXPECT_THROW(OffsetTexts("0,100", Units::Millimetres), OptionError);
    EXPECT_NO_THROW(OffsetTexts("99.999,0", Units::Millimetres));
}

TEST(ReorderedLayers, NamedLayersFirstThenTheOthersInTheirOrder)
{
    EXPECT_EQ(ReorderedLayers(kLayers, "Inner 2,Top"), (Entries{"Inner 2   14", "Top   1", "Bottom   2", "Inner 1   3"}));
    EXPECT_EQ(ReorderedLayers(kLayers, "Bottom"), (Entries{"Bottom   2", "Top   1", "Inner 1   3", "Inner 2   14"}));
}

TEST(ReorderedLayers, LayersCanBeNamedByTheirIds)
{
    EXPECT_EQ(ReorderedLayers(kLayers, "14, 2,Inner 1"),
              (Entries{"Inner 2   14", "Bottom   2", "Inner 1   3", "Top   1"}));
}

TEST(ReorderedLayers, UnknownEmptyOrRepeatedLayersAreRefused)
{
    EXPECT_THROW(ReorderedLayers(kLayers, "Top,Inner9"), OptionError);
    EXPECT_THROW(ReorderedLayers(kLayers, "Top,,Bottom"), OptionError);
    EXPECT_THROW(ReorderedLayers(kLayers, "Top,1"), OptionError);
    EXPECT_THROW(ReorderedLayers(kLayers, "top"), OptionError);
    try {
        ReorderedLayers(kLayers, "Top,Top");
        FAIL() << "a layer named twice was taken";
    } catch (const OptionError& error) {
        EXPECT_EQ(std::string(error.what()), "--layers: the layer \"Top\" is named twice");
    }
}

} // namespace
} // namespace nodewick::cli
