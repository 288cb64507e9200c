#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/stand_in_editor.h"
#include "export/temp_folder.h"
#include "fake_view.h"
#include "listening_services.h"
#include "ui/window_model.h"
#include "window_designs.h"

namespace nodewick::ui::testing {

// One program start of the window's behaviour on a fake view: the design in
// a folder of its own held open by the stand-in editor, or no design at all.
struct ModelSession {
    explicit ModelSession(std::optional<design::Design> design) : editor(std::move(design)) {}

    void startUp(const std::vector<std::string>& notes = {}) { model.startUp(notes); }

    // Whether the stand-in editor still talks to the program.
    bool conversationOpen()
    {
        dbx::DbxContext context;
        dbx::DesignInfo info;
        return editor.TGetDesignInfo(context, info) == dbx::status::kSuccess;
    }

    design::StandInEditor editor;
    Heard heard;
    FakeView view;
    WindowModel model{editor, view, ListeningServices(heard)};
};

// The folder's path without the trailing "/", as the window harness's
// designs take it.
inline std::string FolderOf(const nodewick::testing::TempFolder& folder)
{
    std::string path = folder.path();
    path.pop_back();
    return path;
}

} // namespace nodewick::ui::testing
