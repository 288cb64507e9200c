#pragma once

#include <signal.h>

#include <string>

// A run that is interrupted (Ctrl+C, kill, a closed terminal) must not leave
// its temporary file behind: a partial netlist can be tens of megabytes, and
// it is hidden. One temporary file at a time is looked after; the export
// writes the netlist and then the settings file, never both at once.
namespace nodewick::exporter {

// From now on SIGINT, SIGTERM and SIGHUP remove the file at path and then end
// the process as the signal would have. A signal the process ignores (as
// under nohup) stays ignored. A path too long to be kept is not looked after.
void RemoveOnInterrupt(const std::string& path) noexcept;

// The file is finished or gone: the signals get their earlier handling back.
void KeepOnInterrupt() noexcept;

// Holds SIGINT, SIGTERM and SIGHUP back for its lifetime, so that none falls
// between creating a file and RemoveOnInterrupt for it; one that came
// meanwhile is handled when this ends.
class InterruptsHeld {
public:
    InterruptsHeld() noexcept;
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

private:
    sigset_t earlier_;
};

}  // namespace nodewick::exporter
