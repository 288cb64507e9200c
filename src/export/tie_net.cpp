#include "tie_net.h"

#include "dbx/trim_null.h"

namespace nodewick::exporter {

TieAttribute TieAttribut(dbx::Dbx& dbx, dbx::DbxContext& context, std::int32_t netId)
{
    dbx::AttrRecord attribute;
    if (dbx.TGetFirstNetAttribute(context, netId, attribute) != dbx::status::kSuccess)
        return {};
    return TieAttribute{.name = dbx::TrimNull(attribute.name.field()), .value = dbx::TrimNull(attribute.value.field())};
}

}  // namespace nodewick::exporter
