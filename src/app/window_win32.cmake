# nodewick.exe, the window on Windows: native Win32 windows.
add_executable(nodewick WIN32 window_main_win32.cpp window_screenshot.cpp ../ui/win32/win32_window.rc)
target_link_libraries(nodewick PRIVATE nodewick_win32_window nodewick_dbx_library nodewick_start gdi32 user32)
# A console program too, so that its warnings reach the command prompt.
target_link_options(nodewick PRIVATE -mconsole)
