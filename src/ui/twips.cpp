#include "twips.h"

#include <cmath>

namespace nodewick::ui {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

int TwipsToPixels(int twips, double dotsPerInch) noexcept
{
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

}  // namespace nodewick::ui
