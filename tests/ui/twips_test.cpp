#include "ui/twips.h"

#include <gtest/gtest.h>

#include <ostream>

namespace nodewick::ui {
namespace {

struct TwipsCase {
    int twips;
    double dotsPerInch;
    int pixels;
};

std::ostream& operator<<(std::ostream& out, const TwipsCase& c)
{
    return out << c.twips << " twips at " << c.dotsPerInch << " dpi";
}

class TwipsToPixelsTest : public testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsTest, ConvertsAtTheScreensResolution)
{
    const TwipsCase& c = GetParam();
    EXPECT_EQ(TwipsToPixels(c.twips, c.dotsPerInch), c.pixels);
}

// At 96 dots per inch a pixel is 15 twips; at 120 it is 12.
INSTANTIATE_TEST_SUITE_P(Table, TwipsToPixelsTest,
                         testing::Values(TwipsCase{1440, 96, 96},    // one inch
                                         TwipsCase{6240, 96, 416},   // client width
                                         TwipsCase{3345, 96, 223},   // client height
                                         TwipsCase{6240, 120, 520},
                                         TwipsCase{7, 96, 0},        // 0.47 pixel
                                         TwipsCase{8, 96, 1},        // 0.53 pixel
                                         TwipsCase{252, 144, 25},    // 25.2
                                         TwipsCase{0, 96, 0}));

} // namespace
} // namespace nodewick::ui
