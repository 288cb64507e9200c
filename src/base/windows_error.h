#pragma once

#include <string>

namespace nodewick {

// The system's wording of a Windows error code (GetLastError), without the
// final full stop and line end; "error N" when Windows has none. Windows only.
std::string WindowsErrorText(unsigned long error);

}  // namespace nodewick
