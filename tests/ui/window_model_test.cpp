// The window's behaviour without any toolkit: start-up with and without a
// design, Up and Down, Reload, More and Less, the offset texts and their
// limit, OK and Cancel, and End, seen through a fake view.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_session.h"

namespace nodewick::ui::testing {
namespace {

using nodewick::testing::TempFolder;
using nodewick::testing::WriteBytes;
using Lines = std::vector<std::string>;

const Lines kDbxOrder{"Top   1", "GND   3", "Inner   4", "Bottom   2"};

class WindowModelTest : public ::testing::Test {
protected:
    TempFolder folder;
    ModelSession session{LayeredDesign(FolderOf(folder))};
    FakeView& view = session.view;
    WindowModel& model = session.model;
};

TEST_F(WindowModelTest, StartUpShowsTheDesignAndItsLists)
{
    session.startUp();
    EXPECT_EQ(view.status, "Status: OK");
    EXPECT_EQ(view.file, "board.pcb");
    EXPECT_EQ(view.layers, kDbxOrder);  // Silk carries no copper
    EXPECT_EQ(view.selected, std::nullopt);
    EXPECT_EQ(view.viaStyles, (Lines{"V20", "V30"}));
    EXPECT_TRUE(view.enabled(Control::Start));
    EXPECT_FALSE(view.enabled(Control::ICT_OPT));
    EXPECT_EQ(view.offsetText(OffsetBox::Text1), "0");
    EXPECT_EQ(view.offsetText(OffsetBox::Text2), "0");
    EXPECT_FALSE(view.offsetDialogShown);
    // mils, Tie ticked, View not ticked, the narrow layout.
    EXPECT_TRUE(view.checked(Control::Option1));
    EXPECT_TRUE(view.checked(Control::Check1));
    EXPECT_FALSE(view.checked(Control::Check2));
    EXPECT_TRUE(view.visible(Control::Command3));
    EXPECT_FALSE(view.visible(Control::Command4));
    EXPECT_TRUE(session.heard.warnings.empty());
    EXPECT_TRUE(session.conversationOpen());
}

TEST_F(WindowModelTest, SavedOrderIsShownInsteadOfTheDesigns)
{
    WriteBytes(folder.file("Nodewick.ini"), "Bottom   2\r\n\r\nTop   1\r\n");
    session.startUp();
    EXPECT_EQ(view.layers, (Lines{"Bottom   2", "", "Top   1"}));
    EXPECT_EQ(model.layerList(), view.layers);
    EXPECT_TRUE(view.enabled(Control::Start));
}

TEST_F(WindowModelTest, NotesReplaceTheStatusAndAreWarnedWhole)
{
    session.startUp({"board.pcb: odd key", "board.pcb: another"});
    EXPECT_EQ(view.status, "board.pcb: odd key; board.pcb: another");
    EXPECT_EQ(view.statusTexts, (Lines{"Status: OK", "board.pcb: odd key; board.pcb: another"}));
    EXPECT_EQ(session.heard.warnings, (Lines{"board.pcb: odd key", "board.pcb: another"}));
    EXPECT_EQ(view.layers, kDbxOrder);
}

TEST(WindowModelWithoutDesign, StartUpShowsNoConnectionAndEverythingButStartAnswers)
{
    ModelSession session(std::nullopt);
    FakeView& view = session.view;
    session.startUp();
    EXPECT_EQ(view.status, "No Connection");
    EXPECT_EQ(view.file, "");
    EXPECT_TRUE(view.layers.empty());
    EXPECT_TRUE(view.viaStyles.empty());
    EXPECT_FALSE(view.enabled(Control::Start));

    session.model.reload();
    session.model.moveDown();
    session.model.moveUp();
    EXPECT_TRUE(view.layers.empty());
    EXPECT_EQ(view.selected, std::nullopt);  // an empty list stays without selection
    session.model.more();
    EXPECT_TRUE(view.visible(Control::Command4));
    EXPECT_EQ(view.status, "No Connection");
    EXPECT_FALSE(view.enabled(Control::Start));

    session.model.end();
    EXPECT_EQ(session.heard.quits, 1);
    EXPECT_TRUE(session.heard.warnings.empty());
}

TEST_F(WindowModelTest, DownAndUpMoveTheSelectedLayerAndTheSelectionFollows)
{
    session.startUp();
    model.layerSelected(0);
    model.moveDown();
    EXPECT_EQ(view.layers, (Lines{"GND   3", "Top   1", "Inner   4", "Bottom   2"}));
    EXPECT_EQ(view.selected, 1u);

    model.layerSelected(3);
    model.moveUp();
    EXPECT_EQ(view.layers, (Lines{"GND   3", "Top   1", "Bottom   2", "Inner   4"}));
    EXPECT_EQ(view.selected, 2u);
    EXPECT_EQ(model.layerList(), view.layers);
    EXPECT_EQ(model.selectedLayer(), 2u);
}

TEST_F(WindowModelTest, EndsOfTheListAndNoSelection)
{
    session.startUp();
    model.layerSelected(0);
    model.moveUp();
    EXPECT_EQ(view.layers, kDbxOrder);
    EXPECT_EQ(view.selected, 0u);
    model.layerSelected(3);
    model.moveDown();
    EXPECT_EQ(view.layers, kDbxOrder);
    EXPECT_EQ(view.selected, 3u);

    model.layerSelected(std::nullopt);
    model.moveUp();
    EXPECT_EQ(view.layers, kDbxOrder);
    EXPECT_EQ(view.selected, std::nullopt);
    model.moveDown();  // selects the top entry, moves nothing
    EXPECT_EQ(view.layers, kDbxOrder);
    EXPECT_EQ(view.selected, 0u);
}

TEST_F(WindowModelTest, ThreeDownsTakeTheTopLayerToTheBottom)
{
    session.startUp();
    model.layerSelected(0);
    for (int press = 0; press < 3; ++press)
        model.moveDown();
    EXPECT_EQ(view.layers, (Lines{"GND   3", "Inner   4", "Bottom   2", "Top   1"}));
    EXPECT_EQ(view.selected, 3u);
}

TEST_F(WindowModelTest, SelectionPastTheEndCountsAsNone)
{
    session.startUp();
    model.layerSelected(4);
    EXPECT_EQ(model.selectedLayer(), std::nullopt);
}

TEST_F(WindowModelTest, ReloadListsTheDesignsLayersAgainAndNothingElse)
{
    WriteBytes(folder.file("Nodewick.ini"), "Bottom   2\r\nTop   1\r\n");
    session.startUp();
    model.layerSelected(1);
    model.moveUp();
    const std::size_t statusTexts = view.statusTexts.size();

    model.reload();
    EXPECT_EQ(view.layers, kDbxOrder);
    EXPECT_EQ(view.selected, std::nullopt);
    EXPECT_EQ(view.statusTexts.size(), statusTexts);
    EXPECT_EQ(view.file, "board.pcb");
    EXPECT_TRUE(view.enabled(Control::Start));
}

TEST_F(WindowModelTest, MoreWidensAndLessNarrowsWithOneOfThePairVisible)
{
    session.startUp();
    model.more();
    EXPECT_EQ(view.outerWidth, 8000);
    EXPECT_FALSE(view.visible(Control::Command3));
    EXPECT_TRUE(view.visible(Control::Command4));
    model.less();
    EXPECT_EQ(view.outerWidth, 6288);
    EXPECT_TRUE(view.visible(Control::Command3));
    EXPECT_FALSE(view.visible(Control::Command4));
}

// The offset texts against the unit's limit: one row per edit.
struct LimitCase {
    exporter::Units units;
    const char* typed;
    const char* kept;
    int beeps;
};

class OffsetLimitTest : public WindowModelTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(OffsetLimitTest, EditIsHeldToTheUnitsLimit)
{
    const LimitCase& c = GetParam();
    session.startUp();
    model.unitsChosen(c.units);
    const int writesBefore = view.offsetWrites;
    model.offsetEdited(OffsetBox::Text2, c.typed);
    EXPECT_EQ(model.offsetText(OffsetBox::Text2), c.kept);
    EXPECT_EQ(model.offsetText(OffsetBox::Text1), "0");
    EXPECT_EQ(session.heard.beeps, c.beeps);
    // A text within the limit is not rewritten while typing.
    EXPECT_EQ(view.offsetWrites - writesBefore, c.beeps);
    if (c.beeps > 0) {
        EXPECT_EQ(view.offsetText(OffsetBox::Text2), c.kept);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, OffsetLimitTest,
    ::testing::Values(LimitCase{exporter::Units::Mils, "10000", "9999.9mil", 1},
                      LimitCase{exporter::Units::Mils, "9999.9", "9999.9", 0},
                      LimitCase{exporter::Units::Mils, "9999.95", "9999.9mil", 1},
                      LimitCase{exporter::Units::Mils, "-50000", "-50000", 0},
                      LimitCase{exporter::Units::Millimetres, "100", "99.999mm", 1},
                      LimitCase{exporter::Units::Millimetres, "99.999", "99.999", 0},
                      LimitCase{exporter::Units::Millimetres, "-500", "-500", 0},
                      LimitCase{exporter::Units::Millimetres, "12abc", "12abc", 0}));

TEST_F(WindowModelTest, OpeningTheDialogShowsTheTextsInTheUnitsFormat)
{
    session.startUp();
    model.offsetEdited(OffsetBox::Text1, "12.5");
    model.offsetEdited(OffsetBox::Text2, "");
    model.openOffsetDialog();
    EXPECT_TRUE(view.offsetDialogShown);
    EXPECT_EQ(view.offsetText(OffsetBox::Text1), "12.5mil");
    EXPECT_EQ(view.offsetText(OffsetBox::Text2), "0.0mil");
    model.openOffsetDialog();
    EXPECT_EQ(model.offsetText(OffsetBox::Text1), "12.5mil");
    EXPECT_EQ(model.offsetText(OffsetBox::Text2), "0.0mil");

    model.unitsChosen(exporter::Units::Millimetres);
    model.openOffsetDialog();
    EXPECT_EQ(view.offsetText(OffsetBox::Text1), "12.500mm");
    EXPECT_EQ(view.offsetText(OffsetBox::Text2), "0.000mm");
    EXPECT_EQ(session.heard.beeps, 0);
}

TEST_F(WindowModelTest, OpeningAfterTheUnitChangedHoldsToTheNewLimit)
{
    session.startUp();
    model.offsetEdited(OffsetBox::Text1, "5000");  // within 9999.9 mil
    model.unitsChosen(exporter::Units::Millimetres);
    model.openOffsetDialog();
    // 5000 mm is past 99.999 mm: the first pass gives the limit, with a beep;
    // the second keeps it.
    EXPECT_EQ(view.offsetText(OffsetBox::Text1), "99.999mm");
    EXPECT_EQ(session.heard.beeps, 1);
}

TEST_F(WindowModelTest, OkHidesTheDialogAndLocksTheUnits)
{
    session.startUp();
    model.openOffsetDialog();
    model.offsetEdited(OffsetBox::Text1, "7");
    model.confirmOffsets();
    EXPECT_FALSE(view.offsetDialogShown);
    EXPECT_FALSE(view.enabled(Control::Option1));
    EXPECT_FALSE(view.enabled(Control::Option2));
    EXPECT_EQ(model.offsetText(OffsetBox::Text1), "7");
}

TEST_F(WindowModelTest, CancelHidesTheDialogAndKeepsWhatWasTyped)
{
    session.startUp();
    model.openOffsetDialog();
    model.offsetEdited(OffsetBox::Text1, "7");
    model.cancelOffsets();
    EXPECT_FALSE(view.offsetDialogShown);
    EXPECT_TRUE(view.enabled(Control::Option1));
    EXPECT_TRUE(view.enabled(Control::Option2));
    EXPECT_EQ(model.offsetText(OffsetBox::Text1), "7");
}

TEST_F(WindowModelTest, EndClosesTheConversationOnceAndEnds)
{
    session.startUp();
    ASSERT_TRUE(session.conversationOpen());
    model.end();
    EXPECT_FALSE(session.conversationOpen());
    EXPECT_EQ(session.heard.quits, 1);
    model.end();  // the title bar's close after End
    EXPECT_EQ(session.heard.quits, 1);
}

} // namespace
} // namespace nodewick::ui::testing
