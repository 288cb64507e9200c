// A board with more nets, and more long net names, than a 16-bit counter
// holds: every net must still be written, and every long name must get an
// alias of its own, declared once, right before that net's records.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "export_harness.h"

namespace nodewick::testing {
namespace {

constexpr int kLongNamedNets = 33000;  // past 32767
constexpr int kShortNamedNets = 2000;
constexpr int kNets = kLongNamedNets + kShortNamedNets;

// The X of a net's pad and via, in output units: the record's X digits tell
// which net it was written for.
constexpr int kFirstX = 1000;

bool IsLongNamed(int index)
{
    return index < kLongNamedNets;
}

// 21 characters, past the 13 a record's name field holds.
std::string NetName(int index)
{
    if (!IsLongNamed(index))
        return "S" + std::to_string(index);
    char name[32];
    std::snprintf(name, sizeof name, "LONG_SIGNAL_NET_%05d", index);
    return name;
}

std::string TrimRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

class ManyNetsExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < kNets; ++i)
            harness.design.nets.push_back(Net(i + 1, NetName(i), {Pad("", "", styles::kSmdPad, kFirstX + i, 2000)},
                                              {Via(styles::kThroughVia, kFirstX + i, 3000)}));
        result = harness.run();
        ASSERT_TRUE(result.written) << result.error;
        lines = harness.records();
    }

    ExportHarness harness;
    exporter::ExportResult result;
    std::vector<std::string> lines;
};

TEST_F(ManyNetsExport, WritesEveryNetWithItsPadAndVia)
{
    EXPECT_EQ(result.netCount, kNets);
    EXPECT_EQ(result.padRecords, kNets);
    EXPECT_EQ(result.viaRecords, kNets);

    std::vector<int> recordsPerNet(kNets, 0);
    for (const std::string& line : lines) {
        if (line.starts_with("327") || line.starts_with("317")) {
            const int index = std::stoi(line.substr(43, 6)) - kFirstX;
            ASSERT_TRUE(index >= 0 && index < kNets) << line;
            ++recordsPerNet[static_cast<std::size_t>(index)];
        }
    }
    for (int i = 0; i < kNets; ++i)
        ASSERT_EQ(recordsPerNet[static_cast<std::size_t>(i)], 2) << "net " << NetName(i);
}

TEST_F(ManyNetsExport, NumbersTheAliasesOneToNInFileOrderEachForItsOwnLongName)
{
    std::set<std::string> declaredNames;
    int aliases = 0;
    for (const std::string& line : lines) {
        if (!line.starts_with("P  NNAME"))
            continue;
        ++aliases;
        const std::string alias = "NNAME" + std::to_string(aliases);
        // "P", the alias from column 4, the full name from column 15.
        ASSERT_EQ(line.substr(0, 3 + alias.size()), "P  " + alias) << "alias line " << aliases;
        ASSERT_EQ(line.substr(3 + alias.size(), 14 - 3 - alias.size()), std::string(11 - alias.size(), ' '))
            << line;
        const std::string fullName = line.substr(14);
        ASSERT_EQ(fullName.size(), 21u) << line;
        ASSERT_TRUE(declaredNames.insert(fullName).second) << fullName << " declared twice";
    }
    EXPECT_EQ(aliases, kLongNamedNets);

    std::set<std::string> longNames;
    for (int i = 0; i < kLongNamedNets; ++i)
        longNames.insert(NetName(i));
    EXPECT_EQ(declaredNames, longNames);
}

TEST_F(ManyNetsExport, RecordsCarryTheAliasDeclaredJustBeforeThemOrTheShortName)
{
    std::map<std::string, std::string> aliasOf;  // full name to alias
    std::string lastAlias;
    int checked = 0;
    for (const std::string& line : lines) {
        if (line.starts_with("P  NNAME")) {
            lastAlias = line.substr(3, line.find(' ', 3) - 3);
            aliasOf[line.substr(14)] = lastAlias;
            continue;
        }
        if (!line.starts_with("327") && !line.starts_with("317"))
            continue;
        const int index = std::stoi(line.substr(43, 6)) - kFirstX;
        const std::string written = TrimRight(line.substr(3, 17));
        if (IsLongNamed(index)) {
            ASSERT_EQ(written, lastAlias) << line;
            ASSERT_EQ(aliasOf.at(NetName(index)), written) << line;
        } else {
            ASSERT_EQ(written, NetName(index)) << line;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 2 * kNets);
}

} // namespace
} // namespace nodewick::testing
