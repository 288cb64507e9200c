#include "export/date_time_text.h"

#include <cstdlib>
#include <locale>
#include <optional>

#include <gtest/gtest.h>

#include "../support/environment.h"

namespace nodewick::exporter {
namespace {

using nodewick::testing::ScopedVariable;

// Under Wine the user's regional formats are set to the C locale's short
// date and time (scripts/test-windows), so the same texts are expected there.
constexpr std::time_t kMarch8th2024At1405Utc = 1709906700;

TEST(DateTimeText, PlainFormatsWhenTheEnvironmentAsksForNone)
{
    ScopedVariable all("LC_ALL", "C");
    EXPECT_EQ(DateTimeText(kMarch8th2024At1405Utc, true), "03/08/24 14:05:00");
}

TEST(DateTimeText, SourceDateEpochGivesThatInstantInUtc)
{
    ScopedVariable all("LC_ALL", "C");
    ScopedVariable epoch("SOURCE_DATE_EPOCH", "1709906700");
    ScopedVariable zone("TZ", "America/New_York");
    EXPECT_EQ(DateTimeText(), "03/08/24 14:05:00");
}

TEST(DateTimeText, UnknownRegionalSettingsFallBackToThePlainFormats)
{
    ScopedVariable all("LC_ALL", "xx_NOWHERE.UTF-8");
    EXPECT_EQ(DateTimeText(kMarch8th2024At1405Utc, true), "03/08/24 14:05:00");
}

TEST(DateTimeText, ProgramLocaleIsLeftAlone)
{
    ScopedVariable all("LC_ALL", "C.UTF-8");
    const std::locale before;
    DateTimeText(kMarch8th2024At1405Utc, true);
    EXPECT_EQ(std::locale().name(), before.name());
}

TEST(DateTimeText, MalformedSourceDateEpochIsRefused)
{
#ifdef _WIN32
    // Windows keeps no empty variables: an empty value removes it.
    for (const char* bad : {"17099O6700", "12.5", "soon"}) {
#else
    for (const char* bad : {"", "17099O6700", "12.5", "soon"}) {
#endif
        ScopedVariable epoch("SOURCE_DATE_EPOCH", bad);
        EXPECT_THROW(DateTimeText(), std::runtime_error) << bad;
    }
}

TEST(DateTimeText, WithoutSourceDateEpochItIsNow)
{
    ScopedVariable all("LC_ALL", "C");
    ScopedVariable epoch("SOURCE_DATE_EPOCH", nullptr);
    const std::string before = DateTimeText(std::time(nullptr), false);
    const std::string now = DateTimeText();
    const std::string after = DateTimeText(std::time(nullptr), false);
    EXPECT_TRUE(now == before || now == after) << now;
}

} // namespace
} // namespace nodewick::exporter
