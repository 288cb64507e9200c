#include "win32_window.h"

#include <array>
#include <cmath>
#include <map>

#include <windows.h>

#include "export/product.h"
#include "ui/twips.h"

namespace nodewick::ui::win32 {
namespace {

constexpr const char* kMainClass = "NodewickPcad";
constexpr const char* kOffsetClass = "NodewickOffset";
constexpr const char* kAboutClass = "NodewickForm2";
constexpr int kAboutPictureResource = 1;

// Control ids: the main window's controls by the behaviour's names, then
// the rest of the windows' controls.
enum Id : int {
    kOption1 = 101,
    kOption2,
    kCheck1,
    kCheck2,
    kCommand1,
    kCommand2,
    kCommand3,
    kCommand4,
    kCommand5,
    kStart,
    kIctOpt,
    kExit,
    kOffsetMenu,
    kHelpMenu,
    kList2,
    kList3,
    kList1,
    kStatusLabel,
    kStatusLabel3,
    kLabel1,
    kLabel6,
    kFrame,
    kFrame1,
    kFrame2,
    kFrame3,
    kFrame4,
    kFrame5,
    kFrame6,
    kOffsetText1 = 201,
    kOffsetText2,
    kOffsetOk,
    kOffsetCancel,
    kOffsetLabel1,
    kOffsetLabel2,
    kAboutPicture = 301,
    kAboutLabel2,
    kAboutOk,
};

enum class Look { Plain, Bold, Title };

// One control of the layout: its name, window class, style, caption and
// place in twips within its window's client area.
struct Place {
    const char* name;
    int id;
    const char* windowClass;
    DWORD style;
    const char* caption;
    RECT twips;  // left, top, width, height
    Look look = Look::Plain;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kGroup = kChild | BS_GROUPBOX;
constexpr DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kList = kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr DWORD kLabel = kChild | SS_LEFT | SS_NOPREFIX;

// Controls inside a frame lie at the frame's place plus their own, as the
// layout nests them; the frames come before their contents so that these
// are drawn over them.
const std::array kMainControls{
    Place{"Frame1", kFrame1, "BUTTON", kGroup, "Status", {120, 480, 3012, 612}},
    Place{"Status_label", kStatusLabel, "STATIC", kLabel, "", {240, 720, 2772, 252}},
    Place{"Frame2", kFrame2, "BUTTON", kGroup, "File", {120, 1200, 3012, 612}},
    Place{"Status_label3", kStatusLabel3, "STATIC", kLabel, "", {240, 1440, 2772, 252}},
    Place{"Frame", kFrame, "BUTTON", kGroup, "&Units", {3360, 480, 975, 972}},
    Place{"Option1",
          kOption1,
          "BUTTON",
          kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
          "mils",
          {3480, 720, 612, 252}},
    Place{"Option2", kOption2, "BUTTON", kChild | BS_AUTORADIOBUTTON, "mm", {3480, 1080, 612, 252}},
    Place{"Frame3", kFrame3, "BUTTON", kGroup, "O&ption", {3360, 1680, 975, 612}},
    Place{"Check1", kCheck1, "BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, "Tie", {3480, 1920, 612, 192}},
    Place{"Frame4", kFrame4, "BUTTON", kGroup, "S&creen", {3360, 2520, 975, 612}},
    Place{
        "Check2", kCheck2, "BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, "View", {3480, 2760, 735, 252}},
    Place{"Frame5", kFrame5, "BUTTON", kGroup, "Layers", {4440, 480, 1572, 2652}},
    Place{"List2", kList2, "LISTBOX", kList, "", {4560, 720, 1332, 1425}},
    Place{"Command1", kCommand1, "BUTTON", kPush, "Up", {4560, 2400, 612, 252}},
    Place{"Command2", kCommand2, "BUTTON", kPush, "Down", {5280, 2400, 612, 252}},
    Place{"Command5", kCommand5, "BUTTON", kPush, "Reload", {4560, 2760, 1332, 252}},
    Place{"Frame6", kFrame6, "BUTTON", kGroup, "ViaStyle", {6240, 480, 1572, 2052}},
    Place{"List3", kList3, "LISTBOX", kList, "", {6360, 720, 1332, 1425}},
    Place{"Start", kStart, "BUTTON", kPush, "&Start", {120, 2760, 855, 372}, Look::Bold},
    Place{"Exit", kExit, "BUTTON", kPush, "&End", {1200, 2760, 855, 372}, Look::Bold},
    Place{"Command3", kCommand3, "BUTTON", kPush, "&More>>", {2280, 2760, 855, 372}, Look::Bold},
    Place{"Command4", kCommand4, "BUTTON", kPush, "<<&Less", {2280, 2760, 855, 372}, Look::Bold},
    // The export keeps its sorted work list to itself; the hidden list stays
    // as the window's place for it.
    Place{"List1", kList1, "LISTBOX", (kList & ~WS_VISIBLE) | LBS_SORT, "", {5160, 120, 252, 255}},
    Place{"Label1", kLabel1, "STATIC", kLabel, "IPC-D-356A", {2280, 120, 1815, 375}, Look::Title},
    Place{"Label6", kLabel6, "STATIC", kLabel, "", {240, 2160, 3255, 255}, Look::Bold},
};

constexpr int kOffsetClientWidth = 3360;
constexpr int kOffsetClientHeight = 1560;
const std::array kOffsetControls{
    Place{"Offset.Label1", kOffsetLabel1, "STATIC", kChild | SS_LEFT, "&X Offset:", {120, 150, 1000, 255}},
    Place{"Offset.Text1",
          kOffsetText1,
          "EDIT",
          kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
          "",
          {1200, 120, 2040, 315}},
    Place{"Offset.Label2", kOffsetLabel2, "STATIC", kChild | SS_LEFT, "&Y Offset:", {120, 570, 1000, 255}},
    Place{"Offset.Text2",
          kOffsetText2,
          "EDIT",
          kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
          "",
          {1200, 540, 2040, 315}},
    Place{"Offset.Command1", kOffsetOk, "BUTTON", kPush | BS_DEFPUSHBUTTON, "&OK", {1200, 1020, 975, 372}},
    Place{"Offset.Command2", kOffsetCancel, "BUTTON", kPush, "&Cancel", {2265, 1020, 975, 372}},
};

constexpr int kAboutClientWidth = 5400;
constexpr int kAboutClientHeight = 3900;
const std::array kAboutControls{
    Place{"Form2.Picture1", kAboutPicture, "STATIC", kChild | SS_BITMAP, "", {120, 120, 2400, 3645}},
    Place{"Form2.Label2", kAboutLabel2, "STATIC", kLabel, "", {2760, 120, 2520, 255}},
    Place{"Form2.Command1", kAboutOk, "BUTTON", kPush | BS_DEFPUSHBUTTON, "Ok", {4200, 3360, 1080, 372}},
};

std::string ContactLine()
{
    return "Email:" + std::string(kContactAddress);
}

int DotsPerInch(int axis)
{
    HDC screen = ::GetDC(nullptr);
    const int dots = ::GetDeviceCaps(screen, axis);
    ::ReleaseDC(nullptr, screen);
    return dots > 0 ? dots : 96;
}

HFONT MakeFont(double points, bool bold)
{
    LOGFONTA font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * DotsPerInch(LOGPIXELSY) / 72.0));
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return ::CreateFontIndirectA(&font);
}

// The window's outer size for a client area of the given twips, with its
// caption, border and (for the main window) menu bar.
SIZE OuterSize(int clientTwipsWide, int clientTwipsHigh, DWORD style, bool menu)
{
    RECT rect{0, 0, TwipsToPixels(clientTwipsWide, DotsPerInch(LOGPIXELSX)),
              TwipsToPixels(clientTwipsHigh, DotsPerInch(LOGPIXELSY))};
    ::AdjustWindowRect(&rect, style, menu);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

struct Win32Pcad::Windows {
    Win32Pcad* owner = nullptr;
    HWND main = nullptr;
    HWND offset = nullptr;
    HWND about = nullptr;
    HMENU menu = nullptr;
    HFONT plain = nullptr;
    HFONT bold = nullptr;
    HFONT title = nullptr;
    HBITMAP picture = nullptr;
    std::map<std::string, HWND, std::less<>> byName;
    // Set while the view changes a text box itself: that is no user's edit.
    bool settingText = false;

    ~Windows()
    {
        for (HWND window : {about, offset, main})
            if (window != nullptr)
                ::DestroyWindow(window);
        for (HGDIOBJ object : {static_cast<HGDIOBJ>(plain), static_cast<HGDIOBJ>(bold), static_cast<HGDIOBJ>(title),
                               static_cast<HGDIOBJ>(picture)})
            if (object != nullptr)
                ::DeleteObject(object);
    }

    HWND control(int id) const
    {
        return ::GetDlgItem(id >= kAboutPicture ? about : id >= kOffsetText1 ? offset : main, id);
    }

    template <std::size_t N>
    void addControls(HWND parent, const std::array<Place, N>& places)
    {
        const int dpiX = DotsPerInch(LOGPIXELSX);
        const int dpiY = DotsPerInch(LOGPIXELSY);
        for (const Place& place : places) {
            HWND control = ::CreateWindowExA(
                place.windowClass == std::string_view("LISTBOX") || place.windowClass == std::string_view("EDIT")
                    ? WS_EX_CLIENTEDGE
                    : 0,
                place.windowClass, place.caption, place.style, TwipsToPixels(place.twips.left, dpiX),
                TwipsToPixels(place.twips.top, dpiY), TwipsToPixels(place.twips.right, dpiX),
                TwipsToPixels(place.twips.bottom, dpiY), parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), ::GetModuleHandleA(nullptr), nullptr);
            const HFONT font = place.look == Look::Title ? title : place.look == Look::Bold ? bold : plain;
            ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            byName.emplace(place.name, control);
        }
    }

    HWND makeWindow(const char* windowClass, const char* title, DWORD style, SIZE size, HWND ownerWindow,
                    HMENU windowMenu)
    {
        return ::CreateWindowExA(WS_EX_CONTROLPARENT, windowClass, title, style, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
                                 size.cy, ownerWindow, windowMenu, ::GetModuleHandleA(nullptr), this);
    }

    void build()
    {
        plain = MakeFont(8, false);
        bold = MakeFont(8, true);
        title = MakeFont(13.5, true);

        menu = ::CreateMenu();
        ::AppendMenuA(menu, MF_STRING, kIctOpt, "&ICT");
        ::AppendMenuA(menu, MF_STRING, kOffsetMenu, "&Offset");
        ::AppendMenuA(menu, MF_STRING, kHelpMenu, "&About");
        constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        // The layout's narrow outer width, as More and Less set it; the height
        // holds the client area under the caption and the menu bar.
        SIZE mainSize = OuterSize(kClientWidth, kClientHeight, kMainStyle, true);
        mainSize.cx = TwipsToPixels(kNarrowOuterWidth, DotsPerInch(LOGPIXELSX));
        main = makeWindow(kMainClass, "Nodewick-356A", kMainStyle, mainSize, nullptr, menu);
        byName.emplace("Pcad", main);
        addControls(main, kMainControls);
        ::SetWindowTextA(control(kLabel6), ContactLine().c_str());

        constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        offset = makeWindow(kOffsetClass, "Offset Menu", kDialogStyle,
                            OuterSize(kOffsetClientWidth, kOffsetClientHeight, kDialogStyle, false), main, nullptr);
        byName.emplace("Offset", offset);
        addControls(offset, kOffsetControls);

        about = makeWindow(kAboutClass, "About", kDialogStyle,
                           OuterSize(kAboutClientWidth, kAboutClientHeight, kDialogStyle, false), main, nullptr);
        byName.emplace("Form2", about);
        addControls(about, kAboutControls);
        ::SetWindowTextA(control(kAboutLabel2), ContactLine().c_str());
        picture = static_cast<HBITMAP>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kAboutPictureResource), IMAGE_BITMAP, 0, 0, 0));
        ::SendMessageA(control(kAboutPicture), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    }

    static bool Checked(HWND button) { return ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    std::optional<std::size_t> selectedLayer() const
    {
        const LRESULT row = ::SendMessageA(control(kList2), LB_GETCURSEL, 0, 0);
        return row == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
    }

    std::string text(int id) const
    {
        HWND box = control(id);
        std::string content(static_cast<std::size_t>(::GetWindowTextLengthA(box)) + 1, '\0');
        content.resize(
            static_cast<std::size_t>(::GetWindowTextA(box, content.data(), static_cast<int>(content.size()))));
        return content;
    }

    // The user's actions, each to its one handler of the behaviour.
    void command(int id, int code)
    {
        WindowModel& model = owner->model_;
        switch (id) {
        case kOption1:
            if (Checked(control(id)))
                model.unitsChosen(exporter::Units::Mils);
            break;
        case kOption2:
            if (Checked(control(id)))
                model.unitsChosen(exporter::Units::Millimetres);
            break;
        case kCheck1:
            model.tieChosen(Checked(control(id)));
            break;
        case kCheck2:
            model.viewChosen(Checked(control(id)));
            break;
        case kCommand1:
            model.moveUp();
            break;
        case kCommand2:
            model.moveDown();
            break;
        case kCommand3:
            model.more();
            break;
        case kCommand4:
            model.less();
            break;
        case kCommand5:
            model.reload();
            break;
        case kStart:
            model.start();
            break;
        case kExit:
            model.end();
            break;
        case kOffsetMenu:
            model.openOffsetDialog();
            break;
        case kHelpMenu:
            ::ShowWindow(about, SW_SHOWNORMAL);
            break;
        case kList2:
            if (code == LBN_SELCHANGE)
                model.layerSelected(selectedLayer());
            break;
        case kOffsetText1:
            if (code == EN_CHANGE && !settingText)
                model.offsetEdited(OffsetBox::Text1, text(id));
            break;
        case kOffsetText2:
            if (code == EN_CHANGE && !settingText)
                model.offsetEdited(OffsetBox::Text2, text(id));
            break;
        case kOffsetOk:
            model.confirmOffsets();
            break;
        case kOffsetCancel:
            model.cancelOffsets();
            break;
        case kAboutOk:
            ::ShowWindow(about, SW_HIDE);
            break;
        default:
            break;
        }
    }

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_COMMAND:
            command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == control(kLabel1)) {
                const HDC dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, RGB(0, 0, 192));
                ::SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_CLOSE:
            if (window == main)
                owner->model_.end();
            else if (window == offset)
                owner->model_.cancelOffsets();
            else
                ::ShowWindow(window, SW_HIDE);
            return 0;
        default:
            break;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        auto* self = reinterpret_cast<Windows*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        return self != nullptr ? self->handle(window, message, wParam, lParam)
                               : ::DefWindowProcA(window, message, wParam, lParam);
    }

    static void RegisterClasses()
    {
        for (const char* name : {kMainClass, kOffsetClass, kAboutClass}) {
            WNDCLASSA windowClass{};
            if (::GetClassInfoA(::GetModuleHandleA(nullptr), name, &windowClass))
                continue;
            windowClass.lpfnWndProc = Procedure;
            windowClass.hInstance = ::GetModuleHandleA(nullptr);
            windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
            windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            windowClass.lpszClassName = name;
            ::RegisterClassA(&windowClass);
        }
    }

    static int Id(Control control)
    {
        switch (control) {
        case Control::Option1:
            return kOption1;
        case Control::Option2:
            return kOption2;
        case Control::Check1:
            return kCheck1;
        case Control::Check2:
            return kCheck2;
        case Control::Command1:
            return kCommand1;
        case Control::Command2:
            return kCommand2;
        case Control::Command3:
            return kCommand3;
        case Control::Command4:
            return kCommand4;
        case Control::Command5:
            return kCommand5;
        case Control::Start:
            return kStart;
        case Control::ICT_OPT:
            return kIctOpt;
        }
        return 0;
    }

    void showEntries(int id, const std::vector<std::string>& entries)
    {
        HWND list = control(id);
        ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& entry : entries)
            ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
};

Win32Pcad::Win32Pcad(dbx::Dbx& dbx, WindowServices services, const std::vector<std::string>& notes)
    : windows_(std::make_unique<Windows>()), model_(dbx, *this, std::move(services))
{
    windows_->owner = this;
    Windows::RegisterClasses();
    windows_->build();
    model_.startUp(notes);
}

Win32Pcad::~Win32Pcad() = default;

void Win32Pcad::show()
{
    ::ShowWindow(windows_->main, SW_SHOWNORMAL);
    ::UpdateWindow(windows_->main);
}

void* Win32Pcad::find(std::string_view name) const
{
    const auto found = windows_->byName.find(name);
    return found == windows_->byName.end() ? nullptr : found->second;
}

int Win32Pcad::RunMessageLoop(const Win32Pcad& window)
{
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        const Windows& windows = *window.windows_;
        bool dialogKey = false;
        for (HWND dialog : {windows.main, windows.offset, windows.about})
            dialogKey = dialogKey || (::IsWindowVisible(dialog) && ::IsDialogMessageA(dialog, &message));
        if (!dialogKey) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

void Win32Pcad::setStatusText(const std::string& text)
{
    ::SetWindowTextA(windows_->control(kStatusLabel), text.c_str());
}

void Win32Pcad::setFileText(const std::string& text)
{
    ::SetWindowTextA(windows_->control(kStatusLabel3), text.c_str());
}

void Win32Pcad::showLayerList(const std::vector<std::string>& entries, std::optional<std::size_t> selected)
{
    windows_->showEntries(kList2, entries);
    ::SendMessageA(windows_->control(kList2), LB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : WPARAM(-1), 0);
}

void Win32Pcad::showViaStyles(const std::vector<std::string>& names)
{
    windows_->showEntries(kList3, names);
}

void Win32Pcad::setControlEnabled(Control control, bool enabled)
{
    if (control == Control::ICT_OPT) {
        ::EnableMenuItem(windows_->menu, kIctOpt, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        ::DrawMenuBar(windows_->main);
        return;
    }
    ::EnableWindow(windows_->control(Windows::Id(control)), enabled);
}

void Win32Pcad::setControlVisible(Control control, bool visible)
{
    ::ShowWindow(windows_->control(Windows::Id(control)), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Pcad::setControlChecked(Control control, bool checked)
{
    ::SendMessageA(windows_->control(Windows::Id(control)), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (checked && (control == Control::Option1 || control == Control::Option2)) {
        const Control other = control == Control::Option1 ? Control::Option2 : Control::Option1;
        ::SendMessageA(windows_->control(Windows::Id(other)), BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

// The layout's outer widths count the window's borders, as Windows does.
void Win32Pcad::setOuterWidth(int twips)
{
    RECT outer{};
    ::GetWindowRect(windows_->main, &outer);
    ::SetWindowPos(windows_->main, nullptr, 0, 0, TwipsToPixels(twips, DotsPerInch(LOGPIXELSX)),
                   outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Pcad::setOffsetText(OffsetBox box, const std::string& text)
{
    windows_->settingText = true;
    ::SetWindowTextA(windows_->control(box == OffsetBox::Text1 ? kOffsetText1 : kOffsetText2), text.c_str());
    windows_->settingText = false;
}

void Win32Pcad::showOffsetDialog()
{
    ::ShowWindow(windows_->offset, SW_SHOWNORMAL);
    ::SetForegroundWindow(windows_->offset);
}

void Win32Pcad::hideOffsetDialog()
{
    ::ShowWindow(windows_->offset, SW_HIDE);
}

}  // namespace nodewick::ui::win32
