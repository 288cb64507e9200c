#include "window_screenshot.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

#include <windows.h>

namespace nodewick::app {
namespace {

// Handles the window's messages for a while, so that it and its controls
// are drawn on the screen before the picture is taken.
void HandleMessagesFor(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG message{};
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::Sleep(20);
    }
}

}  // namespace

bool SaveScreenshot(void* handle, const std::string& file)
{
    const HWND window = static_cast<HWND>(handle);
    ::SetForegroundWindow(window);
    HandleMessagesFor(1000);
    RECT outer{};
    ::GetWindowRect(window, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    void* pixels = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    // Copied from the screen, where the window lies on top: what the user sees.
    ::BitBlt(memory, 0, 0, width, height, screen, outer.left, outer.top, SRCCOPY);
    ::GdiFlush();

    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + imageBytes;
    info.bmiHeader.biSizeImage = imageBytes;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(pixels), imageBytes);
    out.close();

    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    if (!out) {
        std::cerr << "nodewick: cannot write the screenshot " << file << '\n';
        return false;
    }
    return true;
}

}  // namespace nodewick::app
