#pragma once

#include <string>

// A run that is interrupted (Ctrl+C, kill, a closed terminal) must not leave
// its temporary file behind: a partial netlist can be tens of megabytes, and
// it is hidden. One temporary file at a time is looked after; the export
// writes the netlist and then the settings file, never both at once.
namespace nodewick::exporter {

// From now on SIGINT, SIGTERM and SIGHUP remove the file at path and then end
// the process as the signal would have. A signal the process ignores (as
// under nohup) stays ignored. A path too long to be kept is not looked after.
// On Windows the console's Ctrl+C, Ctrl+Break and close remove it instead.
void RemoveOnInterrupt(const std::string& path) noexcept;

// The file is finished or gone: the signals get their earlier handling back.
void KeepOnInterrupt() noexcept;

// Holds SIGINT, SIGTERM and SIGHUP (on Windows the console's events) back for
// its lifetime, so that none falls between creating a file and
// RemoveOnInterrupt for it; one that came meanwhile is handled when this
// ends. One is held at a time, never nested.
class InterruptsHeld {
public:
    InterruptsHeld() noexcept;
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;
};

}  // namespace nodewick::exporter
