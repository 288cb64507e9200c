#include "app/dbx_probe.h"

#include <optional>
#include <sstream>

#include <gtest/gtest.h>

#include "design/design_file.h"
#include "design/stand_in_editor.h"

namespace nodewick::cli {
namespace {

// The demo board in examples/: its first net NET1 joins J1 pin 4 at 700 mil,
// 1400 mil and U1 pin 1 at 1300 mil, 1575 mil, and has a via of style 0 at
// 1100 mil, 1400 mil; 2540 database units to the mil.
std::string ProbeOfDemoBoard()
{
    design::StandInEditor editor(design::LoadDesignFile(NODEWICK_SOURCE_DIR "/examples/demo-board.json").design);
    std::ostringstream out;
    EXPECT_EQ(ProbeDbx(editor, out), 0);
    return out.str();
}

TEST(DbxProbe, ShowsStatusesDesignLayersAndStyles)
{
    const std::string probe = ProbeOfDemoBoard();
    EXPECT_EQ(probe.rfind("TOpenDesign: 0 (Status: OK)\nTGetDesignInfo: 0 (Status: OK)\n", 0), 0u) << probe;
    EXPECT_NE(probe.find("  title \"Nodewick demo board\"\n"), std::string::npos) << probe;
    EXPECT_NE(probe.find("  layer 1 \"Top\" type 0\n"), std::string::npos) << probe;
    EXPECT_NE(probe.find("  via style 0 \"V24D12\" hole 30480 layers 1-2 plated 1\n"), std::string::npos) << probe;
    EXPECT_NE(probe.find("layers end with: 32161 "), std::string::npos) << probe;
}

TEST(DbxProbe, ShowsTheFirstNetsNodesAndVias)
{
    const std::string probe = ProbeOfDemoBoard();
    EXPECT_NE(probe.find("  net 1 \"NET1\" nodes 2\n"
                         "    node type 3 component \"J1\" pin \"4\" at 1778000,3556000 flip 0 side 0 pad style 2\n"
                         "    node type 3 component \"U1\" pin \"1\" at 3302000,4000500 flip 0 side 0 pad style 0\n"
                         "    nodes end with: 32163 (No More Items)\n"
                         "    via at 2794000,3556000 style 0\n"),
              std::string::npos)
        << probe;
    EXPECT_NE(probe.find("  10 nets\nnets end with: 32162 (No More Nets)\nTCloseDesign: 0 (Status: OK)\n"),
              std::string::npos)
        << probe;
}

TEST(DbxProbe, EditorNotRunningShowsWhyAndReportsFailure)
{
    design::StandInEditor editor{std::nullopt};
    std::ostringstream out;
    EXPECT_EQ(ProbeDbx(editor, out), 32001);
    EXPECT_EQ(out.str().rfind("TOpenDesign: 32001 (Connection Error)\nTGetDesignInfo: 32105 (No Connection)\n", 0), 0u)
        << out.str();
}

} // namespace
} // namespace nodewick::cli
