#include "design/pcad/placement.h"

#include <gtest/gtest.h>

namespace nodewick::design::pcad {
namespace {

// A 20 x 60 pad turned by 90 degrees in its pattern, 100 right of and 50
// above the pattern origin; the part's origin is at (1000, 2000). Each row
// works the transform out by hand: turn (x, y) counter-clockwise by the part's
// angle, negate x when the part is flipped, add the origin. The reported
// angle is always part angle + pad angle; a flipped part adds the flip flag.
struct Case {
    double partRotation;
    bool partFlipped;
    std::int32_t x, y, rotation, flip;
};

constexpr Case kCases[] = {
    // turned (100, 50)     mirrored      board
    {0, false, 1100, 2050, 900, 0},     // (100, 50)                  (1100, 2050)
    {90, false, 950, 2100, 1800, 0},    // (-50, 100)                 (950, 2100)
    {180, false, 900, 1950, 2700, 0},   // (-100, -50)                (900, 1950)
    {270, false, 1050, 1900, 0, 0},     // (50, -100)                 (1050, 1900); 270 + 90 = 360 is 0
    {0, true, 900, 2050, 900, 1},       // (100, 50)   -> (-100, 50)  (900, 2050)
    {90, true, 1050, 2100, 1800, 1},    // (-50, 100)  -> (50, 100)   (1050, 2100)
    {180, true, 1100, 1950, 2700, 1},   // (-100, -50) -> (100, -50)  (1100, 1950)
    {270, true, 950, 1900, 0, 1},       // (50, -100)  -> (-50, -100) (950, 1900)
};

TEST(PcadPlacement, EachQuarterTurnOnTopAndFlipped)
{
    const Reporter reporter("t.pcb");
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "part at " << c.partRotation << (c.partFlipped ? " flipped" : " top"));
        const PartFrame part{{1000.0, 2000.0}, c.partRotation, c.partFlipped};
        const BoardPad pad = PlacePad({100.0, 50.0}, 90.0, false, part, 1, reporter);
        EXPECT_EQ(pad.x, c.x);
        EXPECT_EQ(pad.y, c.y);
        EXPECT_EQ(pad.rotation, c.rotation);
        EXPECT_EQ(pad.flip, c.flip);
    }
}

TEST(PcadPlacement, MirrorComesAfterTheTurnNotBefore)
{
    // Mirroring first and then turning counter-clockwise would put the pad
    // at (-100, 50) -> (-50, -100), i.e. (950, 1900); the right place is
    // (1050, 2100).
    const Point board = PlaceOnBoard({100.0, 50.0}, {{1000.0, 2000.0}, 90.0, true});
    EXPECT_EQ(board.x, 1050.0);
    EXPECT_EQ(board.y, 2100.0);
}

TEST(PcadPlacement, PadSideIsPartFlipXorPadFlipAndTheCentreIgnoresThePadFlip)
{
    const Reporter reporter("t.pcb");
    const PartFrame top{{0.0, 0.0}, 0.0, false};
    const PartFrame bottom{{0.0, 0.0}, 0.0, true};
    EXPECT_EQ(PlacePad({10.0, 0.0}, 0.0, false, top, 1, reporter).flip, 0);
    EXPECT_EQ(PlacePad({10.0, 0.0}, 0.0, true, top, 1, reporter).flip, 1);
    EXPECT_EQ(PlacePad({10.0, 0.0}, 0.0, false, bottom, 1, reporter).flip, 1);
    const BoardPad flippedTwice = PlacePad({10.0, 0.0}, 0.0, true, bottom, 1, reporter);
    EXPECT_EQ(flippedTwice.flip, 0);
    EXPECT_EQ(flippedTwice.x, -10);
}

TEST(PcadPlacement, OddAnglesAreComputedInDoubleAndRoundedOnce)
{
    const Reporter reporter("t.pcb");
    // (1000000, 0) turned by 45 degrees: 707106.78 each way, rounded once.
    const BoardPad pad = PlacePad({1000000.0, 0.0}, 0.0, false, {{0.4, 0.4}, 45.0, false}, 1, reporter);
    EXPECT_EQ(pad.x, 707107);
    EXPECT_EQ(pad.y, 707107);
    EXPECT_EQ(pad.rotation, 450);
    // Two halves of a unit round once as a whole, not each on its own.
    EXPECT_EQ(PlacePad({0.5, 0.0}, 0.0, false, {{0.5, 0.0}, 0.0, false}, 1, reporter).x, 1);
    // 135 + 315 degrees is 450, reported as 90.
    EXPECT_EQ(PlacePad({0.0, 0.0}, 315.0, false, {{0.0, 0.0}, 135.0, true}, 1, reporter).rotation, 900);
}

} // namespace
} // namespace nodewick::design::pcad
