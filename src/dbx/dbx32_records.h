#pragma once

#include <string_view>

#include "dbx/dbx32_layout.h"
#include "dbx/records.h"

// Our records from the library's: the fields the program reads, copied with
// their full field lengths (the reader's TrimNull cleans them), never read
// past a field's end. Platform-free, so that the mapping is tested on every
// build.
namespace nodewick::dbx::abi {

// A library text field as far as its first NUL, never beyond its length.
template <std::size_t N>
std::string_view BoundedText(const char (&field)[N]) noexcept
{
    std::size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return {field, length};
}

void ToDesignInfo(const TDesign& from, DesignInfo& to) noexcept;
void ToLayerRecord(const TLayer& from, LayerRecord& to) noexcept;
void ToNetRecord(const TNet& from, NetRecord& to) noexcept;
void ToComponentRecord(const TComponent& from, ComponentRecord& to) noexcept;
void ToAttrRecord(const TAttribute& from, AttrRecord& to) noexcept;
void ToPadViaStyle(const TPadViaStyle& from, PadViaStyle& to) noexcept;
void ToShapeRecord(const TPadViaShape& from, ShapeRecord& to) noexcept;

// The item's type, its pad part (the pin designator falls back to the pad's
// default designator when the pin has none) and its via part. The component
// part is the caller's: see ComponentPartFilled.
void ToItemRecord(const TItem& from, ItemRecord& to) noexcept;

// Whether the library filled the item's component part for its pad: that
// part names the pad's component. When it does not, the side must be looked
// up by the pad's component reference.
bool ComponentPartFilled(const TItem& item) noexcept;

}  // namespace nodewick::dbx::abi
