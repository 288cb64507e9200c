#include "design/pcad/placement.h"

#include <cmath>
#include <numbers>

#include "design/pcad/values.h"

namespace nodewick::design::pcad {
namespace {

struct Turn {
    double cosine = 1.0;
    double sine = 0.0;
};

// Quarter turns come out exact, so a pad at (1, 0) turned by 90 degrees sits
// at exactly (0, 1) and rounds the same way every time.
Turn TurnOf(double degrees) noexcept
{
    const double reduced = std::fmod(degrees, 360.0);
    const double positive = reduced < 0.0 ? reduced + 360.0 : reduced;
    if (positive == 0.0)
        return {1.0, 0.0};
    if (positive == 90.0)
        return {0.0, 1.0};
    if (positive == 180.0)
        return {-1.0, 0.0};
    if (positive == 270.0)
        return {0.0, -1.0};
    const double radians = positive * std::numbers::pi / 180.0;
    return {std::cos(radians), std::sin(radians)};
}

}  // namespace

Point PlaceOnBoard(Point local, const PartFrame& part) noexcept
{
    const Turn turn = TurnOf(part.rotation);
    double x = local.x * turn.cosine - local.y * turn.sine;
    const double y = local.x * turn.sine + local.y * turn.cosine;
    if (part.flipped)
        x = -x;
    return {part.origin.x + x, part.origin.y + y};
}

BoardPad PlacePad(Point local, double padRotation, bool padFlipped, const PartFrame& part, std::uint32_t line,
                  const Reporter& reporter)
{
    const Point board = PlaceOnBoard(local, part);
    return {
        .x = RoundToDatabaseUnits(board.x, line, reporter),
        .y = RoundToDatabaseUnits(board.y, line, reporter),
        .rotation = ToTenthsOfDegree(part.rotation + padRotation, line, reporter),
        .flip = (part.flipped != padFlipped) ? 1 : 0,
    };
}

}  // namespace nodewick::design::pcad
