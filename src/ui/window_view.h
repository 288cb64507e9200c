#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace nodewick::ui {

// The layout's sizes in twips (1/1440 inch) that the behaviour relies on: the
// client area at start, and the outer widths that More and Less set. The
// narrow outer width leaves exactly the client width of the start, ending
// where Frame6 begins; the wide one uncovers Frame6 and List3.
inline constexpr int kClientWidth = 6240;
inline constexpr int kClientHeight = 3345;
inline constexpr int kNarrowOuterWidth = 6288;
inline constexpr int kWideOuterWidth = 8000;

// The controls whose state the behaviour changes, by the names the system
// knows them by: the units (Option1 mils, Option2 mm), Tie (Check1), View
// (Check2), Up (Command1), Down (Command2), More>> (Command3), <<Less
// (Command4), Reload (Command5), Start, and the menu entry "&ICT".
enum class Control {
    Option1,
    Option2,
    Check1,
    Check2,
    Command1,
    Command2,
    Command3,
    Command4,
    Command5,
    Start,
    ICT_OPT
};

// The offset dialog's text boxes: Text1 holds the X offset, Text2 the Y offset.
enum class OffsetBox { Text1, Text2 };

// What the window's behaviour (WindowModel) asks of a window on screen. A
// view is a thin binding of a toolkit's controls (Qt, Win32) to these calls
// and of the controls' events to WindowModel's handlers; it decides nothing.
//
// Rules for a view:
// - Every text is single-byte Windows-1252, as DBX gives it; the view
//   converts for display and converts what the user typed back.
// - The view reports only what the user did (a click, a selection, a text
//   typed or pasted), never the changes these calls make: a view whose
//   toolkit signals those as well must hold that signal back while it obeys.
// - Every call takes effect at once; none blocks.
class WindowView {
public:
    virtual ~WindowView() = default;

    // The status line (Status_label) and the design-file line (Status_label3).
    virtual void setStatusText(const std::string& text) = 0;
    virtual void setFileText(const std::string& text) = 0;

    // List2: the layer entries top to bottom and the one selected entry, if any.
    virtual void showLayerList(const std::vector<std::string>& entries, std::optional<std::size_t> selected) = 0;
    // List3: the via style names.
    virtual void showViaStyles(const std::vector<std::string>& names) = 0;

    virtual void setControlEnabled(Control control, bool enabled) = 0;
    // Only Command3 and Command4 are ever hidden; they share one place.
    virtual void setControlVisible(Control control, bool visible) = 0;
    // Option buttons and check boxes. Checking one option button unchecks the other.
    virtual void setControlChecked(Control control, bool checked) = 0;
    // The window's outer width in twips; the height stays.
    virtual void setOuterWidth(int twips) = 0;

    // The offset dialog "Offset Menu": a text box's text; shown without
    // blocking the main window (and brought to the front); hidden.
    virtual void setOffsetText(OffsetBox box, const std::string& text) = 0;
    virtual void showOffsetDialog() = 0;
    virtual void hideOffsetDialog() = 0;
};

// The menu "&About" (Help_1) and the About box Form2 belong to the view
// alone: the box is made the first time it is shown, shown without blocking
// (showing it while it is shown changes nothing), and its "Ok" hides it.

}  // namespace nodewick::ui
