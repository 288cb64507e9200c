#include "desktop_services.h"

#include <QApplication>

#include <iostream>

#include "export/date_time_text.h"
#include "export/text_viewer.h"

namespace nodewick::ui {

WindowServices DesktopServices()
{
    return WindowServices{
        .beep = [] { QApplication::beep(); },
        .dateTimeText = [] { return exporter::DateTimeText(); },
        .openInViewer = [](const std::string& path) { return exporter::OpenInTextViewer(path); },
        // At once: no window is asked again and no further event runs.
        .quit = [] { QCoreApplication::exit(0); },
        .warn = [](const std::string& text) { std::cerr << "nodewick: " << text << '\n'; },
    };
}

}  // namespace nodewick::ui
