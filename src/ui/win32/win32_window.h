#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dbx/dbx.h"
#include "ui/window_model.h"
#include "ui/window_view.h"

namespace nodewick::ui::win32 {

// The window Pcad with its dialogs Offset and Form2 as native Win32 windows,
// bound to the window's behaviour (WindowModel). Every control has the
// layout's caption, access key and place (twips turned into pixels at the
// screen's resolution); the view only binds controls and decides nothing.
// Windows only.
class Win32Pcad final : public WindowView {
public:
    // Makes the windows (hidden) and runs the start-up sequence.
    Win32Pcad(dbx::Dbx& dbx, WindowServices services, const std::vector<std::string>& notes);
    ~Win32Pcad() override;
    Win32Pcad(const Win32Pcad&) = delete;
    Win32Pcad& operator=(const Win32Pcad&) = delete;

    void show();

    // A window or control by its name: "Pcad", "Offset", "Form2", a main
    // window control ("Command3", "List2", "Status_label"), or a dialog's
    // ("Offset.Text1", "Offset.Command1", "Form2.Command1"); null when there
    // is none. For tests and screenshots: it is an HWND.
    void* find(std::string_view name) const;

    // Dispatches window messages until the program is asked to end, with the
    // dialogs' keyboard handling (Tab, access keys, Enter).
    static int RunMessageLoop(const Win32Pcad& window);

    void setStatusText(const std::string& text) override;
    void setFileText(const std::string& text) override;
    void showLayerList(const std::vector<std::string>& entries, std::optional<std::size_t> selected) override;
    void showViaStyles(const std::vector<std::string>& names) override;
    void setControlEnabled(Control control, bool enabled) override;
    void setControlVisible(Control control, bool visible) override;
    void setControlChecked(Control control, bool checked) override;
    void setOuterWidth(int twips) override;
    void setOffsetText(OffsetBox box, const std::string& text) override;
    void showOffsetDialog() override;
    void hideOffsetDialog() override;

    struct Windows;  // the HWNDs, fonts and the message handling

private:
    std::unique_ptr<Windows> windows_;
    WindowModel model_;
};

}  // namespace nodewick::ui::win32
