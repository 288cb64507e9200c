#pragma once

#include <string>

namespace nodewick::app {

// Saves a picture of the window (an HWND), frame and menu included, as a
// 24-bit BMP file, taken from the screen once the window has had a second to
// draw itself. Returns false, having said why on standard error, when the
// file cannot be written.
bool SaveScreenshot(void* window, const std::string& file);

}  // namespace nodewick::app
