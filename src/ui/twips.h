#pragma once

namespace nodewick::ui {

// The window's layout is given in twips, 1440 to the inch; the screen's
// logical resolution (dots per inch) turns them into pixels, rounded to the
// nearest pixel.
int TwipsToPixels(int twips, double dotsPerInch) noexcept;

}  // namespace nodewick::ui
