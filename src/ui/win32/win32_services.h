#pragma once

#include "ui/window_services.h"

namespace nodewick::ui::win32 {

// The Windows desktop's services: MessageBeep, the regional date and time,
// Notepad, the end of the message loop, and warnings on standard error.
WindowServices Win32Services();

}  // namespace nodewick::ui::win32
