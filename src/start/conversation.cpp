#include "conversation.h"

#include <optional>

#include "dbx/trim_null.h"
#include "export/layer_list.h"
#include "export/settings_file.h"

namespace nodewick::start {
namespace {

void ApplySavedOrder(Conversation& conversation)
{
    try {
        if (std::optional<std::vector<std::string>> saved = exporter::ReadSettingsFile(conversation.names.folder))
            conversation.layerList = std::move(*saved);
    } catch (const exporter::SettingsFileError& error) {
        conversation.warnings.emplace_back(error.what());
    }
}

} // namespace

Conversation OpenConversation(dbx::Dbx& dbx)
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
    ApplySavedOrder(conversation);
    conversation.viaStyles = exporter::FillViaStyleList(dbx, conversation.context);
    return conversation;
}

} // namespace nodewick::start
