#include "text_viewer.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include "base/windows_error.h"
#else
#include <cstring>
#include <spawn.h>

extern char** environ;
#endif

namespace nodewick::exporter {
namespace {

#ifdef _WIN32
constexpr const char* kDefaultViewer = "notepad.EXE";
#else
constexpr const char* kDefaultViewer = "xdg-open";
#endif

std::string ViewerProgram()
{
    const char* chosen = std::getenv("NODEWICK_VIEWER");
    return chosen != nullptr && *chosen != '\0' ? chosen : kDefaultViewer;
}

#ifdef _WIN32
// Windows hands a program one command line; quotes keep a path with spaces
// one argument. A file name cannot hold a quote, so none needs escaping.
std::string CommandLine(const std::string& program, const std::string& path)
{
    return '"' + program + "\" \"" + path + '"';
}

BOOL CALLBACK ActivateWindow(HWND window, LPARAM)
{
    if (!::IsWindowVisible(window))
        return TRUE;
    ::SetForegroundWindow(window);
    return FALSE;
}
#endif

}  // namespace

#ifdef _WIN32
// The editor starts in a normal window; once it waits for input, its window
// is brought to the front so that it has the focus.
std::optional<std::string> OpenInTextViewer(const std::string& path)
{
    const std::string program = ViewerProgram();
    std::string commandLine = CommandLine(program, path);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return "Cannot start the text viewer " + program + ": " + WindowsErrorText(::GetLastError());
    constexpr DWORD kWaitForWindowMilliseconds = 5000;
    if (::WaitForInputIdle(process.hProcess, kWaitForWindowMilliseconds) == 0)
        ::EnumThreadWindows(process.dwThreadId, ActivateWindow, 0);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return std::nullopt;
}
#else
std::optional<std::string> OpenInTextViewer(const std::string& path)
{
    const std::string program = ViewerProgram();
    std::string programArgument = program;
    std::string fileArgument = path;
    char* const arguments[] = {programArgument.data(), fileArgument.data(), nullptr};
    pid_t child = 0;
    if (const int error = ::posix_spawnp(&child, program.c_str(), nullptr, nullptr, arguments, environ); error != 0)
        return "Cannot start the text viewer " + program + ": " + std::strerror(error);
    return std::nullopt;
}
#endif

}  // namespace nodewick::exporter
