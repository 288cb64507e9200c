#include "export/design_names.h"

#include <gtest/gtest.h>

namespace nodewick::exporter {
namespace {

TEST(DeriveDesignNames, WindowsPathGivesFolderFileAndNetlistName)
{
    const DesignNames names = DeriveDesignNames(R"(C:\pcb\board.pcb)");
    EXPECT_EQ(names.folder, R"(C:\pcb\)");
    EXPECT_EQ(names.file, "board.pcb");
    EXPECT_EQ(names.outputFile, "board.ipc");
}

TEST(DeriveDesignNames, SlashSeparatesFoldersToo)
{
    const DesignNames names = DeriveDesignNames("/home/eng/boards/main.pcb");
    EXPECT_EQ(names.folder, "/home/eng/boards/");
    EXPECT_EQ(names.file, "main.pcb");
    EXPECT_EQ(names.outputFile, "main.ipc");
}

TEST(DeriveDesignNames, LastOfEitherSeparatorCounts)
{
    EXPECT_EQ(DeriveDesignNames(R"(/srv/share\pcb\x.pcb)").folder, R"(/srv/share\pcb\)");
    EXPECT_EQ(DeriveDesignNames(R"(C:\pcb/sub/x.pcb)").folder, R"(C:\pcb/sub/)");
}

TEST(DeriveDesignNames, NetlistNameEndsAfterTheFirstDot)
{
    EXPECT_EQ(DeriveDesignNames(R"(C:\pcb\my.board.pcb)").outputFile, "my.ipc");
}

TEST(DeriveDesignNames, PathWithoutSeparatorHasNoFolder)
{
    const DesignNames names = DeriveDesignNames("board.pcb");
    EXPECT_EQ(names.folder, "");
    EXPECT_EQ(names.file, "board.pcb");
    EXPECT_EQ(names.outputFile, "board.ipc");
}

// The shown name is cut to 25 characters; the netlist is named from the whole
// name, so long names in one folder do not overwrite one another's netlist.
TEST(DeriveDesignNames, LongNameIsCutForDisplayButNotForTheNetlist)
{
    //                                             1234567890123456789012345
    const DesignNames names = DeriveDesignNames(R"(C:\pcb\mainboard_backplane_rev3.pcb)");
    EXPECT_EQ(names.file, "mainboard_backplane_rev3.");
    EXPECT_EQ(names.outputFile, "mainboard_backplane_rev3.ipc");

    const DesignNames longer = DeriveDesignNames("/b/controller_board_for_test_rig.pcb");
    EXPECT_EQ(longer.file, "controller_board_for_test");
    EXPECT_EQ(longer.outputFile, "controller_board_for_test_rig.ipc");
}

TEST(DeriveDesignNames, NameWithoutDotGetsTheExtensionAppended)
{
    EXPECT_EQ(DeriveDesignNames("/b/board").outputFile, "board.ipc");
    EXPECT_EQ(DeriveDesignNames("/b/board_without_extension_and_long").outputFile,
              "board_without_extension_and_long.ipc");
}

} // namespace
} // namespace nodewick::exporter
