#pragma once

#include <QString>

#include "export/product.h"

namespace nodewick::ui {

// "Email:" and the contact address with nothing between, as the main window
// and the About box show it.
inline QString ContactLine()
{
    return QStringLiteral("Email:") +
        QString::fromLatin1(kContactAddress.data(), static_cast<qsizetype>(kContactAddress.size()));
}

}  // namespace nodewick::ui
