#include "listening_services.h"

namespace nodewick::ui::testing {

WindowServices ListeningServices(Heard& heard)
{
    return WindowServices{
        .beep = [&heard] { ++heard.beeps; },
        .dateTimeText = [] { return std::string(kFixedDateTime); },
        .openInViewer =
            [&heard](const std::string& path) {
                heard.viewed.push_back(path);
                return heard.viewerError;
            },
        .quit = [&heard] { ++heard.quits; },
        .warn = [&heard](const std::string& text) { heard.warnings.push_back(text); },
    };
}

} // namespace nodewick::ui::testing
