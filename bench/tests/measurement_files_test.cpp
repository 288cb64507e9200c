#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "digest_store.h"
#include "file_digest.h"
#include "length_text.h"
#include "temp_folder.h"

namespace nodewick::bench {
namespace {

TEST(LengthText, WritesMillimetresExactlyAndMilsToFourDecimals)
{
    const struct {
        std::int32_t databaseUnits;
        const char* millimetres;
        const char* mils;
    } cases[] = {
        {0, "0.0", "0.0"},
        {60000, "0.6", "23.622"},  // 23.62204... mil
        {-127000, "-1.27", "-50.0"},
        {63500, "0.635", "25.0"},
        {1, "0.00001", "0.0004"},  // 0.000394 mil, rounded up
        {89500000, "895.0", "35236.2205"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MillimetreText(c.databaseUnits), c.millimetres) << c.databaseUnits;
        EXPECT_EQ(MilText(c.databaseUnits), c.mils) << c.databaseUnits;
    }
}

// A reader converts back and rounds to the nearest database unit.
TEST(LengthText, MilTextReadsBackToTheSameDatabaseUnits)
{
    for (std::int32_t value = -100000; value <= 100000; value += 37)
        ASSERT_EQ(std::llround(std::stod(MilText(value)) * 2540), value) << MilText(value);
}

class Files : public ::testing::Test {
protected:
    std::string make(const std::string& name, const std::string& bytes)
    {
        const std::string file = folder.file(name);
        testing::WriteBytes(file, bytes);
        return file;
    }
    testing::TempFolder folder;
};

TEST_F(Files, DigestIsFnv1a64)
{
    // The published FNV-1a 64 values of "" and "a".
    EXPECT_EQ(DigestText(FileDigest(make("empty", ""))), "cbf29ce484222325");
    EXPECT_EQ(DigestText(FileDigest(make("a", "a"))), "af63dc4c8601ec8c");
}

TEST_F(Files, DigestFromAfterALineLeavesOutEverythingUpToIt)
{
    const std::string body = "327N1  R1 -1\r\n999\r\n";
    const std::string first = make("first", "C Date 01/01/26\r\nP  DIM   N\r\n" + body);
    const std::string second = make("second", "C Date 02/02/27\r\nP  JOB x\r\nP  DIM   N\r\n" + body);
    EXPECT_NE(FileDigest(first), FileDigest(second));
    EXPECT_EQ(FileDigest(first, "P  DIM"), FileDigest(second, "P  DIM"));
    EXPECT_EQ(FileDigest(first, "P  DIM"), FileDigest(make("body", body)));
    // A line that only starts like the marker somewhere inside does not count.
    EXPECT_EQ(FileDigest(make("none", "xP  DIM\r\nabc\r\n"), "P  DIM"), FileDigest(make("nothing", "")));
}

TEST_F(Files, DigestStoreKeepsLabelsAcrossSaveAndLoad)
{
    DigestStore store = DigestStore::Load(folder.file("absent.txt"));
    EXPECT_FALSE(store.Find("json-10000"));
    store.Set("json-10000", "0123456789abcdef");
    store.Set("pcad-10000", "fedcba9876543210");
    store.Save(folder.file("digests.txt"));
    const DigestStore loaded = DigestStore::Load(folder.file("digests.txt"));
    EXPECT_EQ(loaded.Find("json-10000"), "0123456789abcdef");
    EXPECT_EQ(loaded.Find("pcad-10000"), "fedcba9876543210");
}

TEST_F(Files, DigestStoreNamesTheFileAndLineOfABadEntry)
{
    const std::string file = make("bad.txt", "# comment\njson-10000 0123\njson-20000\n");
    try {
        DigestStore::Load(file);
        FAIL() << "a line without a digest was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), file + ":3: expected \"label digest\", found \"json-20000\"");
    }
}

}  // namespace
}  // namespace nodewick::bench
