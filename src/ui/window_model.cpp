#include "window_model.h"

#include <array>
#include <charconv>
#include <utility>

#include "dbx/status_text.h"
#include "export/layer_list.h"
#include "export/offset_text.h"
#include "start/conversation.h"

namespace nodewick::ui {
namespace {

// A value as a plain decimal number: no exponent, no unit, "." as the point.
std::string PlainDecimal(double value)
{
    if (value == 0.0)
        value = 0.0;  // no "-0"
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    if (error != std::errc{})
        return "0";
    return std::string(buffer.data(), end);
}

constexpr std::array kOffsetBoxes{OffsetBox::Text1, OffsetBox::Text2};

// What the export run disables; it ends the program or leaves the window
// for End alone.
constexpr std::array kExportLocked{Control::Check1,   Control::Command1, Control::Command2, Control::Command3,
                                   Control::Command4, Control::Command5, Control::Option1,  Control::Option2,
                                   Control::Check2,   Control::Start};

}  // namespace

WindowModel::WindowModel(dbx::Dbx& dbx, WindowView& view, WindowServices services)
    : dbx_(dbx), view_(view), services_(std::move(services))
{
}

void WindowModel::startUp(const std::vector<std::string>& notes)
{
    // Shown for its place in the menu bar; nothing ever makes it available.
    view_.setControlEnabled(Control::ICT_OPT, false);
    view_.setControlChecked(Control::Option1, true);
    view_.setControlChecked(Control::Check1, true);
    view_.setControlChecked(Control::Check2, false);
    view_.setControlVisible(Control::Command3, true);
    view_.setControlVisible(Control::Command4, false);
    for (const OffsetBox box : kOffsetBoxes)
        setOffsetText(box, "0");
    view_.setFileText("");
    view_.setControlEnabled(Control::Start, false);

    start::Conversation conversation = start::OpenConversation(dbx_);
    context_ = conversation.context;
    conversationOpen_ = true;
    dbxStatus_ = conversation.status;
    view_.setStatusText(dbx::StatusText(dbxStatus_));
    view_.setFileText(conversation.names.file);
    std::vector<std::string> all = notes;
    all.insert(all.end(), conversation.warnings.begin(), conversation.warnings.end());
    showNotes(all);
    if (dbxStatus_ != dbx::status::kSuccess)
        return;
    layers_ = std::move(conversation.layerList);
    showLayers();
    view_.showViaStyles(conversation.viaStyles);
    view_.setControlEnabled(Control::Start, true);
}

// The engineer reads them in the status line, which holds one line; the
// desktop's warning channel keeps each one whole.
void WindowModel::showNotes(const std::vector<std::string>& notes)
{
    if (notes.empty())
        return;
    std::string line;
    for (const std::string& note : notes) {
        if (!line.empty())
            line += "; ";
        line += note;
        services_.warn(note);
    }
    view_.setStatusText(line);
}

void WindowModel::unitsChosen(exporter::Units units)
{
    units_ = units;
}

void WindowModel::tieChosen(bool tie)
{
    tie_ = tie;
}

void WindowModel::viewChosen(bool view)
{
    viewFile_ = view;
}

void WindowModel::layerSelected(std::optional<std::size_t> row)
{
    selected_ = row && *row < layers_.size() ? row : std::nullopt;
}

void WindowModel::showLayers()
{
    view_.showLayerList(layers_, selected_);
}

void WindowModel::reorder(void (*move)(LayerOrder&))
{
    LayerOrder order{std::move(layers_), selected_};
    move(order);
    layers_ = std::move(order.entries);
    selected_ = order.selected;
    showLayers();
}

void WindowModel::moveUp()
{
    reorder(MoveEntryUp);
}

void WindowModel::moveDown()
{
    reorder(MoveEntryDown);
}

// The design's layers again, in DBX order: the conversation is not reopened,
// the settings file not read, the status lines and Start not touched.
void WindowModel::reload()
{
    layers_ = exporter::FillLayerList(dbx_, context_);
    selected_.reset();
    showLayers();
}

void WindowModel::more()
{
    view_.setControlVisible(Control::Command3, false);
    view_.setControlVisible(Control::Command4, true);
    view_.setOuterWidth(kWideOuterWidth);
}

void WindowModel::less()
{
    view_.setControlVisible(Control::Command4, false);
    view_.setControlVisible(Control::Command3, true);
    view_.setOuterWidth(kNarrowOuterWidth);
}

void WindowModel::end()
{
    if (ended_)
        return;
    ended_ = true;
    // A failed close (no design was ever open) does not keep the program alive.
    if (conversationOpen_)
        dbxStatus_ = dbx_.TCloseDesign(context_, "");
    conversationOpen_ = false;
    services_.quit();
}

void WindowModel::disableForExport()
{
    for (const Control control : kExportLocked)
        view_.setControlEnabled(control, false);
}

exporter::ExportChoices WindowModel::choices() const
{
    return exporter::ExportChoices{
        .units = units_,
        .tie = tie_,
        .view = viewFile_,
        .offsetXText = offsetText(OffsetBox::Text1),
        .offsetYText = offsetText(OffsetBox::Text2),
        .layerList = layers_,
    };
}

void WindowModel::start()
{
    disableForExport();
    std::optional<std::string> viewerError;
    const exporter::ExportHooks hooks{
        .showStatus = [this](const std::string& text) { view_.setStatusText(text); },
        .showFile = [this](const std::string& text) { view_.setFileText(text); },
        .dateTimeText = services_.dateTimeText,
        .openInViewer = [this, &viewerError](const std::string& path) { viewerError = services_.openInViewer(path); },
    };
    const exporter::ExportResult result = exporter::RunExport(dbx_, context_, dbxStatus_, choices(), hooks);
    // The run closes the conversation on every way out.
    conversationOpen_ = false;
    for (const std::string& warning : result.warnings)
        services_.warn(warning);
    if (!result.written) {
        // The window stays open so the engineer can read why; End closes it.
        view_.setStatusText(result.error);
        return;
    }
    if (viewerError) {
        // The file is written, but the engineer asked to see it: say why the
        // editor did not come up instead of vanishing.
        view_.setStatusText(*viewerError);
        return;
    }
    end();
}

// Shows the dialog, then rewrites both texts in two passes, Text1 first in
// each: as plain numbers, then in the display format of the unit chosen now.
// Every rewrite is held to the limit like an edit.
void WindowModel::openOffsetDialog()
{
    view_.showOffsetDialog();
    for (const OffsetBox box : kOffsetBoxes)
        setOffsetText(box, PlainDecimal(exporter::OffsetTextValue(offsetText(box))));
    for (const OffsetBox box : kOffsetBoxes)
        setOffsetText(box, exporter::FormatOffset(exporter::OffsetTextValue(offsetText(box)), units_));
}

void WindowModel::offsetEdited(OffsetBox box, const std::string& text)
{
    offsetTexts_[Index(box)] = text;
    holdToLimit(box);
}

void WindowModel::setOffsetText(OffsetBox box, const std::string& text)
{
    offsetTexts_[Index(box)] = text;
    view_.setOffsetText(box, text);
    holdToLimit(box);
}

// A value over the unit's limit becomes the limit text, then the beep sounds.
// There is no lower limit. Setting the limit text runs the check again; it
// then passes.
void WindowModel::holdToLimit(OffsetBox box)
{
    const double limit = exporter::OffsetLimit(units_);
    if (exporter::OffsetTextValue(offsetText(box)) <= limit)
        return;
    setOffsetText(box, exporter::FormatOffset(limit, units_));
    services_.beep();
}

// OK hides the dialog and, from now on, the unit cannot change; the texts
// stay as they are.
void WindowModel::confirmOffsets()
{
    view_.hideOffsetDialog();
    view_.setControlEnabled(Control::Option1, false);
    view_.setControlEnabled(Control::Option2, false);
}

// Cancel keeps whatever was typed; the export reads it all the same.
void WindowModel::cancelOffsets()
{
    view_.hideOffsetDialog();
}

}  // namespace nodewick::ui
