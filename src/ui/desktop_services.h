#pragma once

#include "window_services.h"

namespace nodewick::ui {

// The Qt desktop's own services: the system beep, the clock, the text editor,
// the end of the application's event loop, and standard error for warnings.
WindowServices DesktopServices();

}  // namespace nodewick::ui
