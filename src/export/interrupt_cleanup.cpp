#include "interrupt_cleanup.h"

#include <pthread.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstring>

namespace nodewick::exporter {
namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

// The handler may only touch these: a fixed buffer and a flag.
char gPath[4096];
volatile std::sig_atomic_t gArmed = 0;
std::array<struct sigaction, kSignals.size()> gEarlier{};
std::array<bool, kSignals.size()> gInstalled{};

extern "C" void RemoveAndEnd(int signalNumber)
{
    if (gArmed != 0)
        ::unlink(gPath);
    // The signal is blocked while its handler runs; with the default action
    // back, it ends the process as soon as the handler returns.
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

}  // namespace

void RemoveOnInterrupt(const std::string& path) noexcept
{
    KeepOnInterrupt();
    if (path.size() >= sizeof gPath)
        return;
    std::memcpy(gPath, path.c_str(), path.size() + 1);
    gArmed = 1;
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
    ::pthread_sigmask(SIG_BLOCK, &held, &earlier_);
}

InterruptsHeld::~InterruptsHeld()
{
    ::pthread_sigmask(SIG_SETMASK, &earlier_, nullptr);
}

}  // namespace nodewick::exporter
