#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/window_services.h"

namespace nodewick::ui::testing {

// What the window asked of the desktop during a test.
struct Heard {
    int beeps = 0;
    int quits = 0;
    std::vector<std::string> viewed;
    std::vector<std::string> warnings;
    std::optional<std::string> viewerError;  // what the viewer answers
};

inline constexpr const char* kFixedDateTime = "02/01/2024 10:00:00";

// Services that only record what was asked, with a clock that always says
// kFixedDateTime.
WindowServices ListeningServices(Heard& heard);

} // namespace nodewick::ui::testing
