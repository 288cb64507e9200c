#include "win32_services.h"

#include <iostream>

#include <windows.h>

#include "export/date_time_text.h"
#include "export/text_viewer.h"

namespace nodewick::ui::win32 {

WindowServices Win32Services()
{
    return WindowServices{
        .beep = [] { ::MessageBeep(MB_OK); },
        .dateTimeText = [] { return exporter::DateTimeText(); },
        .openInViewer = [](const std::string& path) { return exporter::OpenInTextViewer(path); },
        .quit = [] { ::PostQuitMessage(0); },
        .warn = [](const std::string& text) { std::cerr << "nodewick: " << text << '\n'; },
    };
}

}  // namespace nodewick::ui::win32
