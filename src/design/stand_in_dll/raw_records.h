#pragma once

#include "dbx/dbx32_layout.h"
#include "dbx/records.h"

// The stand-in dbx32.dll's side of the records: ours written into the
// library's layouts, every field that our records do not carry left zero.
namespace nodewick::design::stand_in_dll {

void ToRaw(const dbx::DesignInfo& from, dbx::abi::TDesign& to) noexcept;
void ToRaw(const dbx::LayerRecord& from, dbx::abi::TLayer& to) noexcept;
void ToRaw(const dbx::NetRecord& from, dbx::abi::TNet& to) noexcept;
void ToRaw(const dbx::ComponentRecord& from, dbx::abi::TComponent& to) noexcept;
void ToRaw(const dbx::AttrRecord& from, dbx::abi::TAttribute& to) noexcept;
void ToRaw(const dbx::PadViaStyle& from, dbx::abi::TPadViaStyle& to) noexcept;
void ToRaw(const dbx::ShapeRecord& from, dbx::abi::TPadViaShape& to) noexcept;

// The item's type, pad part (the designator as the pin's and as the pad's
// default) and via part. The component part is left empty, as P-CAD may
// leave it: the side comes from TGetCompByRefDes.
void ToRaw(const dbx::ItemRecord& from, dbx::abi::TItem& to) noexcept;

}  // namespace nodewick::design::stand_in_dll
