// The Win32 window driven through its own controls, as a user would: clicks
// on buttons, selections in the list, text typed into the offset boxes.
// Runs under Wine with an X server (xvfb-run), see scripts/test-windows.

#include "ui/win32/win32_window.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "design/stand_in_editor.h"
#include "export/export_run.h"
#include "export/temp_folder.h"
#include "start/start_up.h"
#include "ui/twips.h"
#include "ui/listening_services.h"
#include "ui/window_designs.h"

namespace nodewick::ui::win32 {
namespace {

using nodewick::testing::ReadBytes;
using nodewick::testing::TempFolder;

class Win32WindowTest : public ::testing::Test {
protected:
    void open(std::optional<design::Design> design)
    {
        editor.emplace(std::move(design));
        window.emplace(*editor, testing::ListeningServices(heard), std::vector<std::string>{});
        window->show();
    }

    HWND control(const char* name) const
    {
        HWND found = static_cast<HWND>(window->find(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::string text(const char* name) const
    {
        char buffer[512] = {};
        ::GetWindowTextA(control(name), buffer, sizeof buffer);
        return buffer;
    }

    std::vector<std::string> entries(const char* list) const
    {
        std::vector<std::string> rows;
        const LRESULT count = ::SendMessageA(control(list), LB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; row < count; ++row) {
            char buffer[256] = {};
            ::SendMessageA(control(list), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer));
            rows.emplace_back(buffer);
        }
        return rows;
    }

    void click(const char* name) { ::SendMessageA(control(name), BM_CLICK, 0, 0); }

    // What a user's click on a row does: the list selects it and tells its
    // window.
    void selectRow(const char* list, int row)
    {
        HWND box = control(list);
        ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageA(::GetParent(box), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(box));
    }

    // Typing: the box's text changes and the box tells its window.
    void type(const char* box, const char* typed) { ::SetWindowTextA(control(box), typed); }

    void chooseMenu(const char* caption)
    {
        HMENU menu = ::GetMenu(control("Pcad"));
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            char item[64] = {};
            ::GetMenuStringA(menu, static_cast<UINT>(i), item, sizeof item, MF_BYPOSITION);
            if (std::string(item) == caption) {
                ::SendMessageA(control("Pcad"), WM_COMMAND, ::GetMenuItemID(menu, i), 0);
                return;
            }
        }
        ADD_FAILURE() << "no menu entry " << caption;
    }

    bool menuEnabled(const char* caption) const
    {
        HMENU menu = ::GetMenu(control("Pcad"));
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            char item[64] = {};
            ::GetMenuStringA(menu, static_cast<UINT>(i), item, sizeof item, MF_BYPOSITION);
            if (std::string(item) == caption)
                return (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
        }
        ADD_FAILURE() << "no menu entry " << caption;
        return false;
    }

    int outerWidth() const
    {
        RECT outer{};
        ::GetWindowRect(control("Pcad"), &outer);
        return outer.right - outer.left;
    }

    static int Pixels(int twips)
    {
        HDC screen = ::GetDC(nullptr);
        const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
        ::ReleaseDC(nullptr, screen);
        return TwipsToPixels(twips, dpi);
    }

    TempFolder folder;
    testing::Heard heard;
    std::optional<design::StandInEditor> editor;
    std::optional<Win32Pcad> window;
};

TEST_F(Win32WindowTest, StartUpWithADesignListsItsLayersAndEnablesStart)
{
    open(testing::LayeredDesign(folder.path()));
    EXPECT_EQ(text("Status_label"), "Status: OK");
    EXPECT_EQ(text("Status_label3"), "board.pcb");
    EXPECT_EQ(entries("List2"), (std::vector<std::string>{"Top   1", "GND   3", "Inner   4", "Bottom   2"}));
    EXPECT_EQ(entries("List3"), (std::vector<std::string>{"V20", "V30"}));
    EXPECT_TRUE(::IsWindowEnabled(control("Start")));
    EXPECT_FALSE(menuEnabled("&ICT"));
    EXPECT_TRUE(menuEnabled("&Offset"));
    EXPECT_EQ(::SendMessageA(control("Option1"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageA(control("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageA(control("Check2"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(text("Start"), "&Start");
    EXPECT_EQ(text("Command3"), "&More>>");
    EXPECT_EQ(text("Label6"), "Email:nodewick@example.org");
}

TEST_F(Win32WindowTest, StartUpWithoutADesignShowsTheStatusAndKeepsStartDisabled)
{
    open(std::nullopt);
    EXPECT_EQ(text("Status_label"), "No Connection");
    EXPECT_TRUE(entries("List2").empty());
    EXPECT_FALSE(::IsWindowEnabled(control("Start")));
}

TEST_F(Win32WindowTest, MoreWidensTheWindowAndLessNarrowsIt)
{
    open(testing::LayeredDesign(folder.path()));
    EXPECT_EQ(outerWidth(), Pixels(6288));
    click("Command3");
    EXPECT_EQ(outerWidth(), Pixels(8000));
    EXPECT_FALSE(::IsWindowVisible(control("Command3")));
    EXPECT_TRUE(::IsWindowVisible(control("Command4")));
    click("Command4");
    EXPECT_EQ(outerWidth(), Pixels(6288));
    EXPECT_TRUE(::IsWindowVisible(control("Command3")));
}

TEST_F(Win32WindowTest, UpAndDownMoveTheSelectedLayer)
{
    open(testing::LayeredDesign(folder.path()));
    selectRow("List2", 2);
    click("Command1");
    EXPECT_EQ(entries("List2"), (std::vector<std::string>{"Top   1", "Inner   4", "GND   3", "Bottom   2"}));
    EXPECT_EQ(::SendMessageA(control("List2"), LB_GETCURSEL, 0, 0), 1);
    click("Command2");
    click("Command2");
    EXPECT_EQ(entries("List2"), (std::vector<std::string>{"Top   1", "GND   3", "Bottom   2", "Inner   4"}));
    EXPECT_EQ(::SendMessageA(control("List2"), LB_GETCURSEL, 0, 0), 3);
}

TEST_F(Win32WindowTest, OffsetAboveTheLimitIsHeldThereWithABeep)
{
    open(testing::LayeredDesign(folder.path()));
    chooseMenu("&Offset");
    EXPECT_TRUE(::IsWindowVisible(control("Offset")));
    type("Offset.Text1", "10000");
    EXPECT_EQ(text("Offset.Text1"), "9999.9mil");
    EXPECT_EQ(heard.beeps, 1);
    type("Offset.Text2", "-50000");  // there is no lower limit
    EXPECT_EQ(text("Offset.Text2"), "-50000");
    EXPECT_EQ(heard.beeps, 1);
    click("Offset.Command1");
    EXPECT_FALSE(::IsWindowVisible(control("Offset")));
    EXPECT_FALSE(::IsWindowEnabled(control("Option1")));
    EXPECT_FALSE(::IsWindowEnabled(control("Option2")));
}

TEST_F(Win32WindowTest, StartWritesWhatTheCommandLineWrites)
{
    // The command line's run: the same design, default choices, its own copy.
    TempFolder commandLineFolder;
    start::Started started = start::StartUp(testing::WiredDesign(commandLineFolder.path()));
    exporter::ExportChoices choices;
    choices.layerList = started.conversation.layerList;
    const exporter::ExportHooks hooks{
        .showStatus = [](const std::string&) {},
        .showFile = [](const std::string&) {},
        .dateTimeText = [] { return std::string(testing::kFixedDateTime); },
        .openInViewer = [](const std::string&) {},
    };
    const exporter::ExportResult expected = exporter::RunExport(
        *started.editor, started.conversation.context, started.conversation.status, choices, hooks);
    ASSERT_TRUE(expected.written) << expected.error;

    open(testing::WiredDesign(folder.path()));
    click("Start");
    EXPECT_EQ(text("Status_label"), "Written to .board.ipc");
    EXPECT_EQ(heard.quits, 1);
    const std::string written = ReadBytes(folder.file("board.ipc"));
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written, ReadBytes(expected.netlistPath));
}

} // namespace
} // namespace nodewick::ui::win32
