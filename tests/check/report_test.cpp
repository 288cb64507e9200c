#include "check/report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "check/netlist_reader.h"

namespace nodewick::check {
namespace {

TEST(Report, TextNamesFileLineAndColumnOrTheFileAlone)
{
    Findings findings;
    findings.error(12, 44, "bad X");
    findings.warning(0, 0, "no VER parameter");
    EXPECT_EQ(FindingsText(findings, "b.ipc"), "b.ipc:12:44: error: bad X\nb.ipc: warning: no VER parameter\n");
}

TEST(Report, JsonCountsAndFindings)
{
    // A file of one record and no end record: the error about the file as a
    // whole has no line or column.
    const Netlist netlist = ReadNetlist(
        "P  VER IPC-D-356A\nP  UNITS CUST\n"
        "327GND              U12   -14         A01X 012345Y 005000X0600Y0200R90  S1\n");
    const nlohmann::json report = nlohmann::json::parse(FindingsJson(netlist, "c.ipc"));
    EXPECT_EQ(report["netlist"], "c.ipc");
    EXPECT_EQ(report["records"], 1);
    EXPECT_EQ(report["nets"], 1);
    EXPECT_EQ(report["errors"], 1);
    EXPECT_EQ(report["warnings"], 0);
    ASSERT_EQ(report["findings"].size(), 1u);
    EXPECT_TRUE(report["findings"][0]["line"].is_null());
    EXPECT_TRUE(report["findings"][0]["column"].is_null());
    EXPECT_EQ(report["findings"][0]["severity"], "error");
}

} // namespace
} // namespace nodewick::check
