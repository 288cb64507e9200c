#include "settings_file.h"

#include <cerrno>
#include <sys/stat.h>
#include <unordered_map>

#include "base/file_text.h"
#include "file_io.h"
#include "layer_list.h"

namespace nodewick::exporter {
namespace {

constexpr std::string_view kWhat = "the settings file";

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

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

class Reconciler {
public:
    Reconciler(const std::vector<std::string>& designLayers, std::string_view settingsPath)
        : designLayers_(designLayers), settingsPath_(settingsPath), taken_(designLayers.size(), false)
    {
        for (std::size_t i = 0; i < designLayers.size(); ++i) {
            if (const std::optional<std::int32_t> id = LayerIdOf(designLayers[i]))
                positionOfId_.emplace(*id, i);
        }
    }

    void takeLine(std::size_t lineNumber, const std::string& line)
    {
        if (line.empty()) {
            warn(lineNumber, "is blank; it is dropped");
            return;
        }
        const std::optional<std::int32_t> id = LayerIdOf(line);
        const auto found = id ? positionOfId_.find(*id) : positionOfId_.end();
        if (found == positionOfId_.end()) {
            warn(lineNumber, Quoted(line) + " names no layer of the design; it is dropped");
            return;
        }
        if (taken_[found->second]) {
            warn(lineNumber, Quoted(line) + " names layer " + std::to_string(*id) + " again; it is dropped");
            return;
        }
        taken_[found->second] = true;
        const std::string& entry = designLayers_[found->second];
        if (entry != line)
            warn(lineNumber, Quoted(line) + " is layer " + Quoted(entry) + " of the design now");
        result_.entries.push_back(entry);
    }

    ReconciledLayers finish()
    {
        for (std::size_t i = 0; i < designLayers_.size(); ++i) {
            if (taken_[i])
                continue;
            result_.entries.push_back(designLayers_[i]);
            result_.warnings.push_back(std::string(settingsPath_) + ": the layer " + Quoted(designLayers_[i]) +
                                       " is missing; it is added as layer " + std::to_string(result_.entries.size()));
        }
        return std::move(result_);
    }

private:
    void warn(std::size_t lineNumber, const std::string& what)
    {
        result_.warnings.push_back(std::string(settingsPath_) + " line " + std::to_string(lineNumber) + ": " + what);
    }

    const std::vector<std::string>& designLayers_;
    std::string_view settingsPath_;
    std::unordered_map<std::int32_t, std::size_t> positionOfId_;
    std::vector<bool> taken_;
    ReconciledLayers result_;
};

}  // namespace

std::string SettingsPath(const std::string& designFolder)
{
    return designFolder + kSettingsFileName;
}

std::optional<std::vector<std::string>> ReadSettingsFile(const std::string& designFolder)
{
    const std::string path = SettingsPath(designFolder);
    // A name differing in letter case is another file on this platform's file
    // systems, and a folder of that name is no settings file either.
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throw SettingsFileError("Cannot read the settings file " + path + ": " + SystemReason(errno));
    }
    if (S_ISDIR(info.st_mode))
        return std::nullopt;
    return SplitLines(ReadWholeFile(path));
}

std::string WriteSettingsFile(const std::string& designFolder, const std::vector<std::string>& entries)
{
    std::string content;
    for (const std::string& entry : entries) {
        content += entry;
        content += "\r\n";
    }
    const std::string path = SettingsPath(designFolder);
    ReplaceFile(path, content, kWhat);
    return path;
}

ReconciledLayers ReconcileLayerOrder(const std::vector<std::string>& saved,
                                     const std::vector<std::string>& designLayers, std::string_view settingsPath)
{
    Reconciler reconciler(designLayers, settingsPath);
    for (std::size_t i = 0; i < saved.size(); ++i)
        reconciler.takeLine(i + 1, saved[i]);
    return reconciler.finish();
}

}  // namespace nodewick::exporter
