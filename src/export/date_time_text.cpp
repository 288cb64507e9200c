#include "date_time_text.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <iomanip>
#include <locale>
#include <sstream>
#endif

namespace nodewick::exporter {
namespace {

#ifdef _WIN32
// The user's regional short date and time formats, as Windows keeps them in
// the Control Panel. Windows' formats come in the ANSI code page, which is
// the netlist's own.
constexpr std::uint64_t kFileTimeTicksPerSecond = 10000000;
constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600;

SYSTEMTIME SystemTimeOf(std::time_t instant, bool utc)
{
    const std::uint64_t ticks = (static_cast<std::uint64_t>(instant) + kSecondsFrom1601To1970) *
        kFileTimeTicksPerSecond;
    FILETIME fileTime{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&fileTime, &universal))
        throw std::runtime_error("The time " + std::to_string(instant) + " cannot be shown as a date");
    if (utc || !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return universal;
    return local;
}

std::string Formatted(const SYSTEMTIME& time)
{
    char date[128] = {};
    char clock[128] = {};
    if (::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date) == 0 ||
        ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, sizeof clock) == 0)
        throw std::runtime_error("Windows gives no regional date and time format");
    return std::string(date) + ' ' + clock;
}

}  // namespace

std::string DateTimeText(std::time_t instant, bool utc)
{
    return Formatted(SystemTimeOf(instant, utc));
}
#else
// The environment's time formats only; numbers and everything else stay as
// they are, and the program's global locale is never touched.
std::locale RegionalTimeLocale()
{
    try {
        return std::locale(std::locale::classic(), "", std::locale::time);
    } catch (const std::runtime_error&) {
        return std::locale::classic();  // LC_TIME names a locale this system lacks
    }
}

std::string Formatted(const std::tm& time, const std::locale& locale)
{
    std::ostringstream text;
    text.imbue(locale);
    text << std::put_time(&time, "%x %X");
    return text.str();
}

// The netlist is single-byte text: a regional format that needs other
// characters falls back to the plain one.
bool IsPlainText(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

}  // namespace

std::string DateTimeText(std::time_t instant, bool utc)
{
    std::tm time{};
    if (utc)
        ::gmtime_r(&instant, &time);
    else
        ::localtime_r(&instant, &time);
    std::string text = Formatted(time, RegionalTimeLocale());
    if (!IsPlainText(text))
        text = Formatted(time, std::locale::classic());
    return text;
}
#endif

std::string DateTimeText()
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr)
        return DateTimeText(std::time(nullptr), false);
    const std::string_view text(epoch);
    long long seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        throw std::runtime_error("SOURCE_DATE_EPOCH is \"" + std::string(text) +
                                 "\", not a whole number of seconds since 1970");
    return DateTimeText(static_cast<std::time_t>(seconds), true);
}

}  // namespace nodewick::exporter
