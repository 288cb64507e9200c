#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace nodewick::ui {

// DBX texts (layer names, design paths, net names) are single-byte Windows-1252.
// These convert them for display and back without losing a byte: the five bytes
// that code page leaves undefined map to the control characters of the same
// number, as Windows itself does.
QString FromCodePage(std::string_view bytes);
std::string ToCodePage(const QString& text);

}  // namespace nodewick::ui
