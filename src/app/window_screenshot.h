#pragma once

#include <string>

namespace nodewick::app {

// Saves a picture of the window (an HWND), frame and menu included, as a
// 24-bit BMP file, after the messages waiting for it are handled so that it
// is fully drawn. Returns false, having said why on standard error, when the
// file cannot be written.
bool SaveScreenshot(void* window, const std::string& file);

} // namespace nodewick::app
