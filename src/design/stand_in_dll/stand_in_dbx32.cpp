// A stand-in dbx32.dll for the tests: our stand-in editor behind the DBX
// library's binary interface. The design comes from the file the environment
// variable NODEWICK_DESIGN names; without one the library answers as P-CAD's
// does when no editor is running ("Connection Error", then "No Connection").
// Never to be shipped as, or mistaken for, P-CAD's library.

#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "dbx/dbx32_layout.h"
#include "dbx/trim_null.h"
#include "design/design_file.h"
#include "design/stand_in_editor.h"
#include "raw_records.h"

namespace {

using namespace nodewick;
using dbx::abi::Long;

constexpr Long kFatalError = 32005;
constexpr Long kComponentNotFound = 32215;

// The one open conversation: the editor and each component's side by its
// reference, for TGetCompByRefDes.
struct Conversation {
    std::unique_ptr<design::StandInEditor> editor;
    dbx::DbxContext context;
    std::unordered_map<std::string, dbx::ComponentRecord> components;
};

design::StandInEditor& NotRunning()
{
    static design::StandInEditor editor{std::nullopt};
    return editor;
}

std::unique_ptr<Conversation>& Current()
{
    static std::unique_ptr<Conversation> conversation;
    return conversation;
}

dbx::Dbx& Editor()
{
    return Current() ? static_cast<dbx::Dbx&>(*Current()->editor) : NotRunning();
}

dbx::DbxContext& Context()
{
    static dbx::DbxContext none;
    return Current() ? Current()->context : none;
}

std::unique_ptr<Conversation> Open(const std::string& file)
{
    auto conversation = std::make_unique<Conversation>();
    conversation->editor = std::make_unique<design::StandInEditor>(design::LoadDesignFile(file).design);
    return conversation;
}

void IndexComponents(Conversation& conversation)
{
    dbx::ComponentRecord component;
    for (dbx::DbxStatus status = conversation.editor->TGetFirstComponent(conversation.context, component);
         status == dbx::status::kSuccess;
         status = conversation.editor->TGetNextComponent(conversation.context, component))
        conversation.components.emplace(dbx::TrimNull(component.refDes.field()), component);
}

// No C++ exception may leave the library: a failure becomes a DBX status.
template <typename Call>
Long Guarded(Call call) noexcept
{
    try {
        return call();
    } catch (const std::exception& error) {
        std::cerr << "stand-in dbx32.dll: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "stand-in dbx32.dll: unknown failure\n";
    }
    return kFatalError;
}

// A call that fills one of our records, handed back in the library's layout.
template <typename Ours, typename Raw, typename Call>
Long Filled(Raw* raw, Call call) noexcept
{
    return Guarded([&] {
        Ours ours;
        const Long status = call(Editor(), Context(), ours);
        if (status == dbx::status::kSuccess)
            design::stand_in_dll::ToRaw(ours, *raw);
        return status;
    });
}

}  // namespace

// Exported under their plain names by dbx32.def.
#define DBX_EXPORT extern "C" Long __stdcall

DBX_EXPORT TOpenDesign(Long language, Long version, const char* designType, dbx::abi::DbxContext* context)
{
    return Guarded([&] {
        const char* file = std::getenv("NODEWICK_DESIGN");
        if (file == nullptr || *file == '\0')
            return Long{dbx::status::kConnectionError};
        std::unique_ptr<Conversation> conversation = Open(file);
        const Long status = conversation->editor->TOpenDesign(language, version, designType, conversation->context);
        if (status != dbx::status::kSuccess)
            return status;
        IndexComponents(*conversation);
        Current() = std::move(conversation);
        *context = dbx::abi::DbxContext{};
        context->hConv = 1;
        context->version = version;
        context->language = language;
        return Long{dbx::status::kSuccess};
    });
}

DBX_EXPORT TCloseDesign(dbx::abi::DbxContext*, const char* text)
{
    return Guarded([&] {
        const Long status = Editor().TCloseDesign(Context(), text);
        Current().reset();
        return status;
    });
}

DBX_EXPORT TGetDesignInfo(dbx::abi::DbxContext*, dbx::abi::TDesign* design)
{
    return Filled<dbx::DesignInfo>(design,
                                   [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetDesignInfo(c, r); });
}

DBX_EXPORT TGetFirstLayer(dbx::abi::DbxContext*, dbx::abi::TLayer* layer)
{
    return Filled<dbx::LayerRecord>(layer,
                                    [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetFirstLayer(c, r); });
}

DBX_EXPORT TGetNextLayer(dbx::abi::DbxContext*, dbx::abi::TLayer* layer)
{
    return Filled<dbx::LayerRecord>(layer,
                                    [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetNextLayer(c, r); });
}

DBX_EXPORT TGetFirstNet(dbx::abi::DbxContext*, dbx::abi::TNet* net)
{
    return Filled<dbx::NetRecord>(net, [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetFirstNet(c, r); });
}

DBX_EXPORT TGetNextNet(dbx::abi::DbxContext*, dbx::abi::TNet* net)
{
    return Filled<dbx::NetRecord>(net, [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetNextNet(c, r); });
}

DBX_EXPORT TGetNetById(dbx::abi::DbxContext*, Long netId, dbx::abi::TNet* net)
{
    return Filled<dbx::NetRecord>(net,
                                  [=](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetNetById(c, netId, r); });
}

DBX_EXPORT TGetFirstNetNode(dbx::abi::DbxContext*, Long netId, dbx::abi::TItem* node)
{
    return Filled<dbx::ItemRecord>(
        node, [=](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetFirstNetNode(c, netId, r); });
}

DBX_EXPORT TGetNextNetNode(dbx::abi::DbxContext*, dbx::abi::TItem* node)
{
    return Filled<dbx::ItemRecord>(node,
                                   [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetNextNetNode(c, r); });
}

DBX_EXPORT TGetFirstNetItem(dbx::abi::DbxContext*, Long netId, dbx::abi::TItem* item)
{
    return Filled<dbx::ItemRecord>(
        item, [=](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetFirstNetItem(c, netId, r); });
}

DBX_EXPORT TGetNextNetItem(dbx::abi::DbxContext*, dbx::abi::TItem* item)
{
    return Filled<dbx::ItemRecord>(item,
                                   [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetNextNetItem(c, r); });
}

DBX_EXPORT TGetFirstComponent(dbx::abi::DbxContext*, dbx::abi::TComponent* component)
{
    return Filled<dbx::ComponentRecord>(
        component, [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetFirstComponent(c, r); });
}

DBX_EXPORT TGetNextComponent(dbx::abi::DbxContext*, dbx::abi::TComponent* component)
{
    return Filled<dbx::ComponentRecord>(
        component, [](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetNextComponent(c, r); });
}

DBX_EXPORT TGetFirstNetAttribute(dbx::abi::DbxContext*, Long netId, dbx::abi::TAttribute* attribute)
{
    return Filled<dbx::AttrRecord>(
        attribute, [=](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetFirstNetAttribute(c, netId, r); });
}

DBX_EXPORT TGetPadStyle(dbx::abi::DbxContext*, Long styleId, dbx::abi::TPadViaStyle* style)
{
    return Filled<dbx::PadViaStyle>(
        style, [=](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetPadStyle(c, styleId, r); });
}

DBX_EXPORT TGetViaStyle(dbx::abi::DbxContext*, Long styleId, dbx::abi::TPadViaStyle* style)
{
    return Filled<dbx::PadViaStyle>(
        style, [=](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetViaStyle(c, styleId, r); });
}

DBX_EXPORT TGetPadShapeByLayer(dbx::abi::DbxContext*, Long styleId, Long layerId, dbx::abi::TPadViaShape* shape)
{
    return Filled<dbx::ShapeRecord>(
        shape, [=](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetPadShapeByLayer(c, styleId, layerId, r); });
}

DBX_EXPORT TGetViaShapeByLayer(dbx::abi::DbxContext*, Long styleId, Long layerId, dbx::abi::TPadViaShape* shape)
{
    return Filled<dbx::ShapeRecord>(
        shape, [=](dbx::Dbx& e, dbx::DbxContext& c, auto& r) { return e.TGetViaShapeByLayer(c, styleId, layerId, r); });
}

DBX_EXPORT TGetCompByRefDes(dbx::abi::DbxContext*, const char* refDes, dbx::abi::TComponent* component)
{
    return Guarded([&] {
        if (!Current())
            return Long{dbx::status::kNoConnection};
        const auto found = Current()->components.find(refDes);
        if (found == Current()->components.end())
            return kComponentNotFound;
        design::stand_in_dll::ToRaw(found->second, *component);
        return Long{dbx::status::kSuccess};
    });
}
