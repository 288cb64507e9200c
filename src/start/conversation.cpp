#include "conversation.h"

#include <optional>

#include "dbx/trim_null.h"
#include "export/file_system_path.h"
#include "export/layer_list.h"
#include "export/settings_file.h"

namespace nodewick::start {
namespace {

// The saved order applied to the design's layers; every change it needed is
// a warning.
void ApplySavedOrder(Conversation& conversation)
{
    try {
        const std::string folder = exporter::FileSystemPath(conversation.names.folder);
        const std::optional<std::vector<std::string>> saved = exporter::ReadSettingsFile(folder);
        if (!saved)
            return;
        exporter::ReconciledLayers reconciled = exporter::ReconcileLayerOrder(*saved, conversation.layerList,
                                                                              exporter::SettingsPath(folder));
        conversation.layerList = std::move(reconciled.entries);
        conversation.warnings.insert(conversation.warnings.end(), reconciled.warnings.begin(),
                                     reconciled.warnings.end());
    } catch (const std::exception& error) {
        // An unreadable file, or a folder whose name the file system cannot hold.
        conversation.warnings.emplace_back(error.what());
    }
}

}  // namespace

Conversation OpenConversation(dbx::Dbx& dbx, bool readSettings)
{
    Conversation conversation;
    // Its status is overwritten by the next call before anything reads it:
    // a failed open shows as a failed design-information read.
    dbx.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, conversation.context);
    dbx::DesignInfo info;
    conversation.status = dbx.TGetDesignInfo(conversation.context, info);
    // After a failed read the record is still empty, and so are the names.
    conversation.names = exporter::DeriveDesignNames(dbx::TrimNull(info.designFile.field()));
    if (conversation.status != dbx::status::kSuccess)
        return conversation;
    conversation.layerList = exporter::FillLayerList(dbx, conversation.context);
    if (readSettings)
        ApplySavedOrder(conversation);
    conversation.viaStyles = exporter::FillViaStyleList(dbx, conversation.context);
    return conversation;
}

}  // namespace nodewick::start
