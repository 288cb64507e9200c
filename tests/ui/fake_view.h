#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/window_view.h"

namespace nodewick::ui::testing {

// A window on no screen: it keeps what the model last told it, and counts
// what a test must see happen (the status texts in order, the writes into
// the offset boxes, the dialogs shown).
class FakeView final : public WindowView {
public:
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

    // A control the model never set is enabled, visible and unchecked, as a
    // freshly made control is.
    bool enabled(Control control) const;
    bool visible(Control control) const;
    bool checked(Control control) const;
    const std::string& offsetText(OffsetBox box) const;

    std::string status;
    std::vector<std::string> statusTexts;  // every status text, in order
    std::string file;
    std::vector<std::string> layers;
    std::optional<std::size_t> selected;
    std::vector<std::string> viaStyles;
    int outerWidth = 0;     // 0: never set
    int offsetWrites = 0;   // texts the model wrote into Text1 or Text2
    bool offsetDialogShown = false;

private:
    std::map<Control, bool> enabled_;
    std::map<Control, bool> visible_;
    std::map<Control, bool> checked_;
    std::array<std::string, 2> offsetTexts_;
};

} // namespace nodewick::ui::testing
