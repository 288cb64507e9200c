#include "start_up.h"

#include "base/error.h"
#include "design/design_file.h"

namespace nodewick::start {
namespace {

// The editor's refusal, named after the file or design it concerns.
std::unique_ptr<design::StandInEditor> HoldOpen(std::optional<design::Design> design, const std::string& name)
{
    try {
        return std::make_unique<design::StandInEditor>(std::move(design));
    } catch (const DesignError& refused) {
        throw DesignError(name + ": " + refused.what());
    }
}

}  // namespace

StandIn OpenStandIn(const std::filesystem::path& designFile)
{
    design::LoadedDesign loaded = design::LoadDesignFile(designFile);
    return StandIn{.editor = HoldOpen(std::move(loaded.design), designFile.string()),
                   .warnings = std::move(loaded.warnings)};
}

Started StartUp(const std::filesystem::path& designFile, bool readSettings)
{
    StandIn standIn = OpenStandIn(designFile);
    Conversation conversation = OpenConversation(*standIn.editor, readSettings);
    conversation.warnings.insert(conversation.warnings.begin(), standIn.warnings.begin(), standIn.warnings.end());
    return Started{.editor = std::move(standIn.editor), .conversation = std::move(conversation)};
}

Started StartUp(std::optional<design::Design> design)
{
    const std::string name = design ? design->path : std::string();
    std::unique_ptr<design::StandInEditor> editor = HoldOpen(std::move(design), name);
    Conversation conversation = OpenConversation(*editor);
    return Started{.editor = std::move(editor), .conversation = std::move(conversation)};
}

}  // namespace nodewick::start
