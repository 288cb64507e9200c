#include "fake_view.h"

namespace nodewick::ui::testing {
namespace {

bool Lookup(const std::map<Control, bool>& states, Control control, bool unset)
{
    const auto found = states.find(control);
    return found == states.end() ? unset : found->second;
}

std::size_t Index(OffsetBox box)
{
    return box == OffsetBox::Text1 ? 0 : 1;
}

} // namespace

void FakeView::setStatusText(const std::string& text)
{
    status = text;
    statusTexts.push_back(text);
}

void FakeView::setFileText(const std::string& text)
{
    file = text;
}

void FakeView::showLayerList(const std::vector<std::string>& entries, std::optional<std::size_t> row)
{
    layers = entries;
    selected = row;
}

void FakeView::showViaStyles(const std::vector<std::string>& names)
{
    viaStyles = names;
}

void FakeView::setControlEnabled(Control control, bool enabled)
{
    enabled_[control] = enabled;
}

void FakeView::setControlVisible(Control control, bool visible)
{
    visible_[control] = visible;
}

void FakeView::setControlChecked(Control control, bool checked)
{
    checked_[control] = checked;
}

void FakeView::setOuterWidth(int twips)
{
    outerWidth = twips;
}

void FakeView::setOffsetText(OffsetBox box, const std::string& text)
{
    offsetTexts_[Index(box)] = text;
    ++offsetWrites;
}

void FakeView::showOffsetDialog()
{
    offsetDialogShown = true;
}

void FakeView::hideOffsetDialog()
{
    offsetDialogShown = false;
}

bool FakeView::enabled(Control control) const
{
    return Lookup(enabled_, control, true);
}

bool FakeView::visible(Control control) const
{
    return Lookup(visible_, control, true);
}

bool FakeView::checked(Control control) const
{
    return Lookup(checked_, control, false);
}

const std::string& FakeView::offsetText(OffsetBox box) const
{
    return offsetTexts_[Index(box)];
}

} // namespace nodewick::ui::testing
