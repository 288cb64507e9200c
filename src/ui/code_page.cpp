#include "code_page.h"

#include <optional>

#include "base/windows1252.h"

namespace nodewick::ui {

namespace {

// Characters outside the code page become "?", as a single-byte Windows
// conversion does; the control characters that stand for the code page's
// five undefined bytes go back to those bytes, so that every byte survives.
char ToByte(char16_t unit)
{
    if (const std::optional<unsigned char> byte = Windows1252Byte(unit))
        return static_cast<char>(*byte);
    if (unit >= 0x80 && unit <= 0x9F && Windows1252Character(static_cast<unsigned char>(unit)) == unit)
        return static_cast<char>(unit);
    return '?';
}

}  // namespace

QString FromCodePage(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(static_cast<char16_t>(Windows1252Character(static_cast<unsigned char>(byte)))));
    return text;
}

std::string ToCodePage(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar unit : text)
        bytes.push_back(ToByte(unit.unicode()));
    return bytes;
}

}  // namespace nodewick::ui
