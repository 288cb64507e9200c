#include "settings_file.h"

#include <sys/stat.h>

#include "file_io.h"

namespace nodewick::exporter {
namespace {

std::string SettingsPath(const std::string& designFolder)
{
    return designFolder + kSettingsFileName;
}

// A regular file of exactly this name; names differing in letter case are
// other files on this platform's file systems.
bool IsPresent(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// One entry per line. A line ends with CR LF, LF or a lone CR; a last line
// without a line end still counts, and the line end after the last line does
// not start another entry.
std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

} // namespace

std::optional<std::vector<std::string>> ReadSettingsFile(const std::string& designFolder)
{
    const std::string path = SettingsPath(designFolder);
    if (!IsPresent(path))
        return std::nullopt;
    std::string content;
    if (const int error = ReadWholeFile(path, content); error != 0)
        throw SettingsFileError("Cannot read the settings file " + path + ": " + SystemReason(error));
    return SplitLines(content);
}

std::string WriteSettingsFile(const std::string& designFolder, const std::vector<std::string>& entries)
{
    std::string content;
    for (const std::string& entry : entries) {
        content += entry;
        content += "\r\n";
    }
    const std::string path = SettingsPath(designFolder);
    if (const int error = WriteWholeFile(path, content); error != 0)
        throw SettingsFileError("Cannot write the settings file " + path + ": " + SystemReason(error));
    return path;
}

} // namespace nodewick::exporter
