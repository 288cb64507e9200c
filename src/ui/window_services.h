#pragma once

#include <functional>
#include <optional>
#include <string>

namespace nodewick::ui {

// What the main window needs from the desktop around it. Tests put their own
// in, to hear the beep, fix the clock, see the viewer asked and the program
// asked to end.
struct WindowServices {
    std::function<void()> beep;                                // the system beep
    std::function<std::string()> dateTimeText;                 // "date time" for the netlist header
    // The text editor, on the finished file; says why it could not be started.
    std::function<std::optional<std::string>(const std::string& path)> openInViewer;
    std::function<void()> quit;                                // ends the program
    std::function<void(const std::string&)> warn;              // what the user should know but the window cannot show
};

// The desktop's own: the system beep, the clock, the text editor, the end of
// the application's event loop, and standard error for warnings.
WindowServices DesktopServices();

} // namespace nodewick::ui
