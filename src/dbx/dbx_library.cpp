#include "dbx/dbx_library.h"

#include <array>
#include <cstddef>
#include <string>

#include <windows.h>

#include "base/windows_error.h"
#include "dbx/dbx32_layout.h"
#include "dbx/dbx32_records.h"

namespace nodewick::dbx {
namespace {

constexpr const char* kLibraryName = "dbx32.dll";

// The operations the program calls, with their stdcall argument bytes (the
// @N of a decorated export name).
enum class Op : std::size_t {
    TOpenDesign,
    TCloseDesign,
    TGetDesignInfo,
    TGetFirstLayer,
    TGetNextLayer,
    TGetFirstNet,
    TGetNextNet,
    TGetNetById,
    TGetFirstNetNode,
    TGetNextNetNode,
    TGetFirstNetItem,
    TGetNextNetItem,
    TGetFirstComponent,
    TGetNextComponent,
    TGetFirstNetAttribute,
    TGetPadStyle,
    TGetViaStyle,
    TGetPadShapeByLayer,
    TGetViaShapeByLayer,
    TGetCompByRefDes,
    Count
};

struct OpName {
    const char* name;
    int argumentBytes;
};

constexpr std::array<OpName, static_cast<std::size_t>(Op::Count)> kOps{{
    {"TOpenDesign", 16},         {"TCloseDesign", 8},      {"TGetDesignInfo", 8},
    {"TGetFirstLayer", 8},       {"TGetNextLayer", 8},     {"TGetFirstNet", 8},
    {"TGetNextNet", 8},          {"TGetNetById", 12},      {"TGetFirstNetNode", 12},
    {"TGetNextNetNode", 8},      {"TGetFirstNetItem", 12}, {"TGetNextNetItem", 8},
    {"TGetFirstComponent", 8},   {"TGetNextComponent", 8}, {"TGetFirstNetAttribute", 12},
    {"TGetPadStyle", 12},        {"TGetViaStyle", 12},     {"TGetPadShapeByLayer", 16},
    {"TGetViaShapeByLayer", 16}, {"TGetCompByRefDes", 12},
}};

using Long = abi::Long;
using RawContext = abi::DbxContext;
using OpenFn = Long(__stdcall*)(Long, Long, const char*, RawContext*);
using CloseFn = Long(__stdcall*)(RawContext*, const char*);
template <typename Record>
using RecordFn = Long(__stdcall*)(RawContext*, Record*);
template <typename Record>
using IdRecordFn = Long(__stdcall*)(RawContext*, Long, Record*);
using ShapeFn = Long(__stdcall*)(RawContext*, Long, Long, abi::TPadViaShape*);
using CompByRefDesFn = Long(__stdcall*)(RawContext*, const char*, abi::TComponent*);

std::string ModuleFile(HMODULE module)
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(module, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The library beside the program when there is one, else the system's search.
HMODULE LoadDefault(std::string& tried)
{
    const std::string program = ModuleFile(nullptr);
    const std::string beside = program.substr(0, program.find_last_of("\\/") + 1) + kLibraryName;
    if (FileExists(beside)) {
        tried = beside;
        return ::LoadLibraryExA(beside.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    tried = kLibraryName;
    return ::LoadLibraryA(kLibraryName);
}

}  // namespace

struct DbxLibrary::Binding {
    HMODULE module = nullptr;
    std::array<FARPROC, static_cast<std::size_t>(Op::Count)> procedures{};
    RawContext context{};
    DWORD thread = ::GetCurrentThreadId();
    Findings findings;

    template <typename Fn>
    Fn function(Op op) const noexcept
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(procedures[static_cast<std::size_t>(op)]));
    }

    bool onOwnThread() const noexcept { return ::GetCurrentThreadId() == thread; }

    template <typename Raw, typename Ours, typename Convert>
    DbxStatus record(Op op, Ours& ours, Convert convert) noexcept
    {
        if (!onOwnThread())
            return status::kClientError;
        Raw raw{};
        const DbxStatus result = function<RecordFn<Raw>>(op)(&context, &raw);
        if (result == status::kSuccess)
            convert(raw, ours);
        return result;
    }

    template <typename Raw, typename Ours, typename Convert>
    DbxStatus idRecord(Op op, std::int32_t id, Ours& ours, Convert convert) noexcept
    {
        if (!onOwnThread())
            return status::kClientError;
        Raw raw{};
        const DbxStatus result = function<IdRecordFn<Raw>>(op)(&context, id, &raw);
        if (result == status::kSuccess)
            convert(raw, ours);
        return result;
    }

    DbxStatus shape(Op op, std::int32_t styleId, std::int32_t layerId, ShapeRecord& ours) noexcept
    {
        if (!onOwnThread())
            return status::kClientError;
        abi::TPadViaShape raw{};
        const DbxStatus result = function<ShapeFn>(op)(&context, styleId, layerId, &raw);
        if (result == status::kSuccess)
            abi::ToShapeRecord(raw, ours);
        return result;
    }

    // A net node: the item, and for a pad its component's side, from the
    // item's component part or else looked up by the pad's component.
    void toNode(const abi::TItem& raw, ItemRecord& node) noexcept
    {
        abi::ToItemRecord(raw, node);
        node.component.side = 0;
        if (raw.itemType != kItemTypePad)
            return;
        ++findings.padNodes;
        if (abi::ComponentPartFilled(raw)) {
            ++findings.componentPartsFilled;
            node.component.side = raw.component.isFlipped;
            return;
        }
        if (abi::BoundedText(raw.pad.compRefDes).empty())
            return;  // a free pad belongs to no component
        ++findings.componentLookups;
        char refDes[abi::kNameLength + 1] = {};
        const std::string_view name = abi::BoundedText(raw.pad.compRefDes);
        name.copy(refDes, name.size());
        abi::TComponent component{};
        if (function<CompByRefDesFn>(Op::TGetCompByRefDes)(&context, refDes, &component) == status::kSuccess)
            node.component.side = component.isFlipped;
    }
};

DbxLibrary::DbxLibrary(const std::string& path) : binding_(std::make_unique<Binding>())
{
    std::string tried = path;
    binding_->module = path.empty() ? LoadDefault(tried)
                                    : ::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (binding_->module == nullptr)
        throw DbxLibraryError("Cannot load the DBX library " + tried + ": " + WindowsErrorText(::GetLastError()));
    binding_->findings.file = ModuleFile(binding_->module);
    std::string missing;
    for (std::size_t i = 0; i < kOps.size(); ++i) {
        const std::string plain = kOps[i].name;
        const std::string decorated = "_" + plain + "@" + std::to_string(kOps[i].argumentBytes);
        FARPROC found = ::GetProcAddress(binding_->module, plain.c_str());
        std::string foundAs = plain;
        if (found == nullptr) {
            found = ::GetProcAddress(binding_->module, decorated.c_str());
            foundAs = decorated;
        }
        if (found == nullptr)
            missing += (missing.empty() ? "" : ", ") + plain;
        binding_->procedures[i] = found;
        binding_->findings.exportNames.push_back(found != nullptr ? foundAs : plain + " (missing)");
    }
    if (!missing.empty()) {
        const std::string file = binding_->findings.file;
        ::FreeLibrary(binding_->module);
        throw DbxLibraryError("The DBX library " + file + " lacks the operations " + missing +
                              " (looked up by plain and by _Name@N names)");
    }
}

DbxLibrary::~DbxLibrary()
{
    ::FreeLibrary(binding_->module);
}

const DbxLibrary::Findings& DbxLibrary::findings() const noexcept
{
    return binding_->findings;
}

DbxStatus DbxLibrary::TOpenDesign(std::int32_t language, std::int32_t version, std::string_view designType,
                                  DbxContext& context)
{
    if (!binding_->onOwnThread())
        return status::kClientError;
    const std::string type(designType);
    binding_->context = RawContext{};
    const DbxStatus result = binding_->function<OpenFn>(Op::TOpenDesign)(language, version, type.c_str(),
                                                                         &binding_->context);
    context.handle = result == status::kSuccess ? 1 : 0;
    return result;
}

DbxStatus DbxLibrary::TCloseDesign(DbxContext& context, std::string_view text)
{
    if (!binding_->onOwnThread())
        return status::kClientError;
    const std::string argument(text);
    const DbxStatus result = binding_->function<CloseFn>(Op::TCloseDesign)(&binding_->context, argument.c_str());
    context.handle = 0;
    return result;
}

DbxStatus DbxLibrary::TGetDesignInfo(DbxContext&, DesignInfo& info)
{
    return binding_->record<abi::TDesign>(Op::TGetDesignInfo, info, abi::ToDesignInfo);
}

DbxStatus DbxLibrary::TGetFirstLayer(DbxContext&, LayerRecord& layer)
{
    return binding_->record<abi::TLayer>(Op::TGetFirstLayer, layer, abi::ToLayerRecord);
}

DbxStatus DbxLibrary::TGetNextLayer(DbxContext&, LayerRecord& layer)
{
    return binding_->record<abi::TLayer>(Op::TGetNextLayer, layer, abi::ToLayerRecord);
}

DbxStatus DbxLibrary::TGetFirstNet(DbxContext&, NetRecord& net)
{
    return binding_->record<abi::TNet>(Op::TGetFirstNet, net, abi::ToNetRecord);
}

DbxStatus DbxLibrary::TGetNextNet(DbxContext&, NetRecord& net)
{
    return binding_->record<abi::TNet>(Op::TGetNextNet, net, abi::ToNetRecord);
}

DbxStatus DbxLibrary::TGetNetById(DbxContext&, std::int32_t netId, NetRecord& net)
{
    return binding_->idRecord<abi::TNet>(Op::TGetNetById, netId, net, abi::ToNetRecord);
}

DbxStatus DbxLibrary::TGetFirstNetNode(DbxContext&, std::int32_t netId, ItemRecord& node)
{
    Binding& binding = *binding_;
    return binding.idRecord<abi::TItem>(Op::TGetFirstNetNode, netId, node,
                                        [&](const abi::TItem& raw, ItemRecord& ours) { binding.toNode(raw, ours); });
}

DbxStatus DbxLibrary::TGetNextNetNode(DbxContext&, ItemRecord& node)
{
    Binding& binding = *binding_;
    return binding.record<abi::TItem>(Op::TGetNextNetNode, node,
                                      [&](const abi::TItem& raw, ItemRecord& ours) { binding.toNode(raw, ours); });
}

DbxStatus DbxLibrary::TGetFirstNetItem(DbxContext&, std::int32_t netId, ItemRecord& item)
{
    return binding_->idRecord<abi::TItem>(Op::TGetFirstNetItem, netId, item, abi::ToItemRecord);
}

DbxStatus DbxLibrary::TGetNextNetItem(DbxContext&, ItemRecord& item)
{
    return binding_->record<abi::TItem>(Op::TGetNextNetItem, item, abi::ToItemRecord);
}

DbxStatus DbxLibrary::TGetFirstComponent(DbxContext&, ComponentRecord& component)
{
    return binding_->record<abi::TComponent>(Op::TGetFirstComponent, component, abi::ToComponentRecord);
}

DbxStatus DbxLibrary::TGetNextComponent(DbxContext&, ComponentRecord& component)
{
    return binding_->record<abi::TComponent>(Op::TGetNextComponent, component, abi::ToComponentRecord);
}

DbxStatus DbxLibrary::TGetFirstNetAttribute(DbxContext&, std::int32_t netId, AttrRecord& attribute)
{
    return binding_->idRecord<abi::TAttribute>(Op::TGetFirstNetAttribute, netId, attribute, abi::ToAttrRecord);
}

DbxStatus DbxLibrary::TGetPadStyle(DbxContext&, std::int32_t styleId, PadViaStyle& style)
{
    return binding_->idRecord<abi::TPadViaStyle>(Op::TGetPadStyle, styleId, style, abi::ToPadViaStyle);
}

DbxStatus DbxLibrary::TGetViaStyle(DbxContext&, std::int32_t styleId, PadViaStyle& style)
{
    return binding_->idRecord<abi::TPadViaStyle>(Op::TGetViaStyle, styleId, style, abi::ToPadViaStyle);
}

DbxStatus DbxLibrary::TGetPadShapeByLayer(DbxContext&, std::int32_t styleId, std::int32_t layerId, ShapeRecord& shape)
{
    return binding_->shape(Op::TGetPadShapeByLayer, styleId, layerId, shape);
}

DbxStatus DbxLibrary::TGetViaShapeByLayer(DbxContext&, std::int32_t styleId, std::int32_t layerId, ShapeRecord& shape)
{
    return binding_->shape(Op::TGetViaShapeByLayer, styleId, layerId, shape);
}

}  // namespace nodewick::dbx
