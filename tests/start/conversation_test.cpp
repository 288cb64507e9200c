// What the start of a run reads from the editor: status, names, the layer
// list with the saved order applied, the via styles; and what it leaves
// alone when the design information cannot be read.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/stand_in_editor.h"
#include "export/temp_folder.h"
#include "start/conversation.h"

namespace nodewick::start {
namespace {

using testing::TempFolder;
using testing::WriteBytes;
using Lines = std::vector<std::string>;

// Layers in DBX order Top, Silk (no copper), Inner, GND, Bottom; two via styles.
design::Design Board(const TempFolder& folder)
{
    design::Design board;
    board.path = folder.file("controller.pcb");
    board.layers = {{.id = 1, .name = "Top", .type = 0},
                    {.id = 6, .name = "Silk", .type = 2},
                    {.id = 12, .name = "Inner", .type = 0},
                    {.id = 13, .name = "GND", .type = 1},
                    {.id = 2, .name = "Bottom", .type = 0}};
    board.viaStyles = {{.id = 0, .name = "V24"}, {.id = 1, .name = "V20_BLIND"}};
    return board;
}

TEST(OpenConversation, ReadsTheDesignsNamesLayersAndViaStyles)
{
    TempFolder folder;
    design::StandInEditor editor(Board(folder));
    Conversation opened = OpenConversation(editor);
    EXPECT_EQ(opened.status, dbx::status::kSuccess);
    EXPECT_EQ(opened.names.folder, folder.path());
    EXPECT_EQ(opened.names.file, "controller.pcb");
    EXPECT_EQ(opened.layerList, (Lines{"Top   1", "Inner   12", "GND   13", "Bottom   2"}));
    EXPECT_EQ(opened.viaStyles, (Lines{"V24", "V20_BLIND"}));
    EXPECT_TRUE(opened.warnings.empty());
    // The conversation is open: the editor answers on the context it filled.
    dbx::NetRecord net;
    EXPECT_NE(editor.TGetFirstNet(opened.context, net), dbx::status::kNoConnection);
}

TEST(OpenConversation, SavedOrderReplacesTheDesignsOrderLineForLine)
{
    TempFolder folder;
    // Blank line and a layer the design lacks are taken as they stand.
    WriteBytes(folder.file("Nodewick.ini"), "Bottom   2\r\n\r\nGone   9\r\nTop   1\r\n");
    design::StandInEditor editor(Board(folder));
    const Conversation opened = OpenConversation(editor);
    EXPECT_EQ(opened.layerList, (Lines{"Bottom   2", "", "Gone   9", "Top   1"}));
    EXPECT_EQ(opened.viaStyles, (Lines{"V24", "V20_BLIND"}));
}

TEST(OpenConversation, SettingsFileOfAnotherFolderIsNotRead)
{
    TempFolder designFolder;
    TempFolder otherFolder;
    WriteBytes(otherFolder.file("Nodewick.ini"), "Bottom   2\r\n");
    design::StandInEditor editor(Board(designFolder));
    EXPECT_EQ(OpenConversation(editor).layerList, (Lines{"Top   1", "Inner   12", "GND   13", "Bottom   2"}));
}

TEST(OpenConversation, FailedDesignInformationReadListsNothing)
{
    TempFolder folder;
    WriteBytes(folder.file("Nodewick.ini"), "Bottom   2\r\n");
    design::Design board = Board(folder);
    board.forcedStatuses = {{.operation = design::Operation::TGetDesignInfo, .status = dbx::status::kNoConnection}};
    design::StandInEditor editor(std::move(board));
    const Conversation opened = OpenConversation(editor);
    EXPECT_EQ(opened.status, dbx::status::kNoConnection);
    EXPECT_EQ(opened.names.file, "");
    EXPECT_EQ(opened.names.folder, "");
    EXPECT_TRUE(opened.layerList.empty());
    EXPECT_TRUE(opened.viaStyles.empty());
}

TEST(OpenConversation, EditorThatIsNotRunningGivesNoConnection)
{
    design::StandInEditor editor(std::nullopt);
    const Conversation opened = OpenConversation(editor);
    // The open fails with Connection Error; the read after it is what counts.
    EXPECT_EQ(opened.status, dbx::status::kNoConnection);
    EXPECT_TRUE(opened.layerList.empty());
    EXPECT_TRUE(opened.warnings.empty());
}

} // namespace
} // namespace nodewick::start
