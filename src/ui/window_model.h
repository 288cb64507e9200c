#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "dbx/dbx.h"
#include "export/export_run.h"
#include "layer_order.h"
#include "window_services.h"
#include "window_view.h"

namespace nodewick::ui {

// The behaviour of the window Pcad and its dialog Offset, free of any
// toolkit: the start-up sequence, the choices the export reads (units,
// Tie, View, the offset texts, the layer list and its selection), Up and
// Down, Reload, More and Less, the offset limit with its beep, OK locking the
// units, the export with its status texts, and End.
//
// A view binds its controls' events to the handlers below, one handler per
// event, each running to completion (only the About box is the view's own);
// the model answers by calling the view (WindowView) and the desktop
// (WindowServices). Use:
//
//     WindowModel model(dbx, view, services);  // view: the window's controls, already made
//     model.startUp(notes);                    // once, before the window is first shown
//     // then, for example: Start clicked -> model.start(); Text1 edited -> model.offsetEdited(...)
//
// The model holds the DBX conversation from startUp to End or to the end of
// the export; dbx, view and services must outlive it.
class WindowModel {
public:
    WindowModel(dbx::Dbx& dbx, WindowView& view, WindowServices services);
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // The start-up sequence: the offset texts "0", the DBX conversation opened,
    // the status and the design's file name shown, and after a successful
    // design-information read the layers (with the saved order) and via styles
    // listed and Start enabled. `notes` are what the program has to say before
    // (a design file's warnings, or why it did not load); they and the start's
    // own warnings replace the status text and go to services.warn.
    void startUp(const std::vector<std::string>& notes = {});

    // The main window's events.
    void unitsChosen(exporter::Units units);             // Option1 or Option2 clicked
    void tieChosen(bool tie);                            // Check1 ticked or cleared
    void viewChosen(bool view);                          // Check2 ticked or cleared
    void layerSelected(std::optional<std::size_t> row);  // the user selected in List2
    void moveUp();                                       // Command1 "Up"
    void moveDown();                                     // Command2 "Down"
    void reload();                                       // Command5 "Reload"
    void more();                                         // Command3 "&More>>"
    void less();                                         // Command4 "<<&Less"
    void start();                                        // Start "&Start": the export run
    void end();                                          // Exit "&End", and the title bar's close
    void openOffsetDialog();                             // menu "&Offset" (Offset_1)

    // The offset dialog's events.
    void offsetEdited(OffsetBox box, const std::string& text);  // typed or pasted into Text1 or Text2
    void confirmOffsets();                                      // Command1 "&OK"
    void cancelOffsets();                                       // Command2 "&Cancel"

    // The choices as the export would read them now.
    exporter::Units units() const noexcept { return units_; }
    const std::string& offsetText(OffsetBox box) const noexcept { return offsetTexts_[Index(box)]; }
    const std::vector<std::string>& layerList() const noexcept { return layers_; }
    std::optional<std::size_t> selectedLayer() const noexcept { return selected_; }

private:
    static constexpr std::size_t Index(OffsetBox box) noexcept { return box == OffsetBox::Text1 ? 0 : 1; }

    void setOffsetText(OffsetBox box, const std::string& text);
    void holdToLimit(OffsetBox box);
    void showLayers();
    void reorder(void (*move)(LayerOrder&));
    void showNotes(const std::vector<std::string>& notes);
    void disableForExport();
    exporter::ExportChoices choices() const;

    dbx::Dbx& dbx_;
    WindowView& view_;
    WindowServices services_;
    dbx::DbxContext context_;
    dbx::DbxStatus dbxStatus_ = dbx::status::kSuccess;
    bool conversationOpen_ = false;
    bool ended_ = false;

    exporter::Units units_ = exporter::Units::Mils;
    bool tie_ = true;
    bool viewFile_ = false;  // open the written netlist in the text editor
    std::array<std::string, 2> offsetTexts_;
    std::vector<std::string> layers_;
    std::optional<std::size_t> selected_;
};

}  // namespace nodewick::ui
