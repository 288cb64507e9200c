#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "dbx/dbx.h"

namespace nodewick::dbx {

// The DBX library cannot be used: not found, not loadable, or an operation
// missing. The message names the file and what is wrong.
class DbxLibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The DBX interface answered by P-CAD's dbx32.dll (Windows only). The library
// is loaded by name: from the path given, or else "dbx32.dll" beside the
// program and then along the system's search path. Each operation is found by
// its plain name, else by its stdcall-decorated one ("_TOpenDesign@16").
//
// Every output record is zeroed before a call and read back with bounded
// lengths; a pad node's component side is looked up by its component
// reference when the library leaves the item's component part empty. All
// calls must come from the thread that loaded the library (DDE conversations
// belong to one thread); a call from another thread is refused with
// "Client Error".
class DbxLibrary final : public Dbx {
public:
    // What the library showed while it was used, for --dbx-probe.
    struct Findings {
        std::string file;                      // the library's full path
        std::vector<std::string> exportNames;  // the name each operation was found by
        long padNodes = 0;                     // pad nodes delivered
        long componentPartsFilled = 0;         // of these, with the component part filled
        long componentLookups = 0;             // of these, whose side was looked up
    };

    // Throws DbxLibraryError. An empty path means the default search.
    explicit DbxLibrary(const std::string& path);
    ~DbxLibrary() override;
    DbxLibrary(const DbxLibrary&) = delete;
    DbxLibrary& operator=(const DbxLibrary&) = delete;

    const Findings& findings() const noexcept;

    DbxStatus TOpenDesign(std::int32_t language, std::int32_t version, std::string_view designType,
                          DbxContext& context) override;
    DbxStatus TCloseDesign(DbxContext& context, std::string_view text) override;
    DbxStatus TGetDesignInfo(DbxContext& context, DesignInfo& info) override;
    DbxStatus TGetFirstLayer(DbxContext& context, LayerRecord& layer) override;
    DbxStatus TGetNextLayer(DbxContext& context, LayerRecord& layer) override;
    DbxStatus TGetFirstNet(DbxContext& context, NetRecord& net) override;
    DbxStatus TGetNextNet(DbxContext& context, NetRecord& net) override;
    DbxStatus TGetNetById(DbxContext& context, std::int32_t netId, NetRecord& net) override;
    DbxStatus TGetFirstNetNode(DbxContext& context, std::int32_t netId, ItemRecord& node) override;
    DbxStatus TGetNextNetNode(DbxContext& context, ItemRecord& node) override;
    DbxStatus TGetFirstNetItem(DbxContext& context, std::int32_t netId, ItemRecord& item) override;
    DbxStatus TGetNextNetItem(DbxContext& context, ItemRecord& item) override;
    DbxStatus TGetFirstComponent(DbxContext& context, ComponentRecord& component) override;
    DbxStatus TGetNextComponent(DbxContext& context, ComponentRecord& component) override;
    DbxStatus TGetFirstNetAttribute(DbxContext& context, std::int32_t netId, AttrRecord& attribute) override;
    DbxStatus TGetPadStyle(DbxContext& context, std::int32_t styleId, PadViaStyle& style) override;
    DbxStatus TGetViaStyle(DbxContext& context, std::int32_t styleId, PadViaStyle& style) override;
    DbxStatus TGetPadShapeByLayer(DbxContext& context, std::int32_t styleId, std::int32_t layerId,
                                  ShapeRecord& shape) override;
    DbxStatus TGetViaShapeByLayer(DbxContext& context, std::int32_t styleId, std::int32_t layerId,
                                  ShapeRecord& shape) override;

private:
    struct Binding;
    std::unique_ptr<Binding> binding_;
};

}  // namespace nodewick::dbx
