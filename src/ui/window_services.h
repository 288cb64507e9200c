#pragma once

#include <functional>
#include <optional>
#include <string>

namespace nodewick::ui {

// What the window needs from the desktop around it. Each view's program puts
// in the desktop's own; tests put their own in, to hear the beep, fix the
// clock, see the viewer asked and the program asked to end. Every member must
// be set.
struct WindowServices {
    std::function<void()> beep;                 // the system beep
    std::function<std::string()> dateTimeText;  // "date time" for the netlist header
    // The text editor, on the finished file; says why it could not be started.
    std::function<std::optional<std::string>(const std::string& path)> openInViewer;
    std::function<void()> quit;                    // ends the program at once
    std::function<void(const std::string&)> warn;  // what the user should know, kept whole
};

}  // namespace nodewick::ui
