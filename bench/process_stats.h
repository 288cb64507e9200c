#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nodewick::bench {

// Peak resident memory of this process so far (VmHWM), in KiB.
std::int64_t PeakResidentKib();

// Starts the peak anew from the memory resident now, so that a later
// PeakResidentKib() tells the peak of what came after. False when the kernel
// does not allow it.
bool ResetPeakResident();

struct ProcessRun {
    int exitCode = -1;         // the exit status, or 128 + signal
    double wallSeconds = 0;    // from the start to the end of the process
    double cpuSeconds = 0;     // its processor time, user and system
    std::int64_t peakKib = 0;  // peak resident memory (the kernel's ru_maxrss)
    std::string output;        // everything it wrote to standard output
};

// Runs a program with the given arguments (the first is the program) and
// extra environment entries ("NAME=value") added to this process's own, and
// waits for it. Throws std::runtime_error when it cannot be started.
ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment);

}  // namespace nodewick::bench
