// Start through the window's behaviour: the choices made on the view reach
// the export run, its status texts reach the view, and the program is asked
// to end; a failed run or a viewer that cannot start stays on screen.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_session.h"

namespace nodewick::ui::testing {
namespace {

using nodewick::testing::ReadBytes;
using nodewick::testing::TempFolder;
using Lines = std::vector<std::string>;

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(WindowModelExport, StartExportsWhatWasChosenAndEnds)
{
    TempFolder folder;
    ModelSession session(WiredDesign(FolderOf(folder)));
    WindowModel& model = session.model;
    session.startUp();
    model.unitsChosen(exporter::Units::Millimetres);
    model.tieChosen(false);
    model.viewChosen(true);
    model.offsetEdited(OffsetBox::Text1, "1.25");
    model.layerSelected(3);  // Bottom to the top
    for (int press = 0; press < 3; ++press)
        model.moveUp();

    model.start();

    EXPECT_EQ(session.heard.quits, 1);
    EXPECT_EQ(session.view.status, "Written to .board.ipc");
    EXPECT_EQ(session.view.file, "board.pcb");
    EXPECT_EQ(session.heard.viewed, Lines{folder.file("board.ipc")});
    for (const Control control : {Control::Check1, Control::Command1, Control::Command2, Control::Command3,
                                  Control::Command4, Control::Command5, Control::Option1, Control::Option2,
                                  Control::Check2, Control::Start})
        EXPECT_FALSE(session.view.enabled(control)) << static_cast<int>(control);
    EXPECT_FALSE(session.conversationOpen());

    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Bottom   2\r\nTop   1\r\nGND   3\r\nInner   4\r\n");
    const std::string netlist = ReadBytes(folder.file("board.ipc"));
    EXPECT_TRUE(Contains(netlist, "C ************Layer 1 Bottom   2**********\r\n"
                                  "C ************Layer 2 Top   1**********\r\n"
                                  "C ************Layer 3 GND   3**********\r\n"
                                  "C ************Layer 4 Inner   4**********\r\n"));
    EXPECT_TRUE(Contains(netlist, "(X: 1.250mm Y: 0.000mm)\r\n"));
    EXPECT_TRUE(Contains(netlist, "P  UNITS CUST 1\r\n"));
    // Tie off: the long net keeps its own name, through an alias.
    EXPECT_TRUE(Contains(netlist, "SENSE_FEEDBACK_A"));
}

TEST(WindowModelExport, FailedRunShowsWhyAndLeavesEndToTheUser)
{
    TempFolder folder;
    ModelSession session(WiredDesign(folder.file("missing")));
    session.startUp();
    session.model.start();

    EXPECT_EQ(session.heard.quits, 0);
    EXPECT_TRUE(Contains(session.view.status, "missing")) << session.view.status;
    EXPECT_FALSE(Contains(session.view.status, "Written to"));
    EXPECT_TRUE(session.heard.viewed.empty());
    EXPECT_FALSE(session.view.enabled(Control::Start));

    session.model.end();
    EXPECT_EQ(session.heard.quits, 1);
}

TEST(WindowModelExport, ViewerThatCannotStartIsShownInsteadOfEnding)
{
    TempFolder folder;
    ModelSession session(WiredDesign(FolderOf(folder)));
    session.heard.viewerError = "Cannot start the text viewer gedit: No such file or directory";
    session.startUp();
    session.model.viewChosen(true);
    session.model.start();

    EXPECT_EQ(session.heard.viewed, Lines{folder.file("board.ipc")});
    EXPECT_EQ(session.heard.quits, 0);
    EXPECT_EQ(session.view.status, "Cannot start the text viewer gedit: No such file or directory");
}

TEST(WindowModelExport, ViewNotTickedOpensNothing)
{
    TempFolder folder;
    ModelSession session(WiredDesign(FolderOf(folder)));
    session.startUp();
    session.model.start();
    EXPECT_TRUE(session.heard.viewed.empty());
    EXPECT_EQ(session.heard.quits, 1);
    // Mils, no offset, the design's own layer order.
    const std::string netlist = ReadBytes(folder.file("board.ipc"));
    EXPECT_TRUE(Contains(netlist, "(X: 0.0mil Y: 0.0mil)\r\n")) << netlist;
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Top   1\r\nGND   3\r\nInner   4\r\nBottom   2\r\n");
}

} // namespace
} // namespace nodewick::ui::testing
