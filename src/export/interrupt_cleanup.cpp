#include "interrupt_cleanup.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#include <unistd.h>

#include <array>
#endif

#include <csignal>
#include <cstring>

namespace nodewick::exporter {
namespace {

// The handler may only touch these: a fixed buffer and a flag.
char gPath[4096];
volatile std::sig_atomic_t gArmed = 0;

// Copies path for the handler; false when it is too long to be kept.
bool Arm(const std::string& path) noexcept
{
    if (path.size() >= sizeof gPath)
        return false;
    std::memcpy(gPath, path.c_str(), path.size() + 1);
    gArmed = 1;
    return true;
}

#ifdef _WIN32
// The console runs its handler on a thread of its own: while an
// InterruptsHeld holds this lock, the handler waits for it to end.
SRWLOCK gHold = SRWLOCK_INIT;
bool gInstalled = false;

BOOL WINAPI RemoveAndEnd(DWORD) noexcept
{
    ::AcquireSRWLockExclusive(&gHold);
    if (gArmed != 0)
        ::DeleteFileA(gPath);
    ::ReleaseSRWLockExclusive(&gHold);
    return FALSE;  // the next handler, the system's, ends the process
}
#else
constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

std::array<struct sigaction, kSignals.size()> gEarlier{};
std::array<bool, kSignals.size()> gInstalled{};
sigset_t gHeldEarlier;

extern "C" void RemoveAndEnd(int signalNumber)
{
    if (gArmed != 0)
        ::unlink(gPath);
    // The signal is blocked while its handler runs; with the default action
    // back, it ends the process as soon as the handler returns.
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}
#endif

}  // namespace

#ifdef _WIN32
void RemoveOnInterrupt(const std::string& path) noexcept
{
    KeepOnInterrupt();
    if (Arm(path))
        gInstalled = ::SetConsoleCtrlHandler(RemoveAndEnd, TRUE) != 0;
}

void KeepOnInterrupt() noexcept
{
    if (gInstalled)
        ::SetConsoleCtrlHandler(RemoveAndEnd, FALSE);
    gInstalled = false;
    gArmed = 0;
}

InterruptsHeld::InterruptsHeld() noexcept
{
    ::AcquireSRWLockExclusive(&gHold);
}

InterruptsHeld::~InterruptsHeld()
{
    ::ReleaseSRWLockExclusive(&gHold);
}
#else
void RemoveOnInterrupt(const std::string& path) noexcept
{
    KeepOnInterrupt();
    if (!Arm(path))
        return;
    struct sigaction action { };
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int other : kSignals)
        sigaddset(&action.sa_mask, other);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction earlier { };
        if (::sigaction(kSignals[i], nullptr, &earlier) != 0 || earlier.sa_handler == SIG_IGN)
            continue;
        gInstalled[i] = ::sigaction(kSignals[i], &action, &gEarlier[i]) == 0;
    }
}

void KeepOnInterrupt() noexcept
{
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (gInstalled[i])
            ::sigaction(kSignals[i], &gEarlier[i], nullptr);
        gInstalled[i] = false;
    }
    gArmed = 0;
}

InterruptsHeld::InterruptsHeld() noexcept
{
    sigset_t held;
    sigemptyset(&held);
    for (const int signalNumber : kSignals)
        sigaddset(&held, signalNumber);
    ::pthread_sigmask(SIG_BLOCK, &held, &gHeldEarlier);
}

InterruptsHeld::~InterruptsHeld()
{
    ::pthread_sigmask(SIG_SETMASK, &gHeldEarlier, nullptr);
}
#endif

}  // namespace nodewick::exporter
