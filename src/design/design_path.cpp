#include "design/design_path.h"

#include <optional>
#include <system_error>

#include "base/error.h"
#include "base/windows1252.h"
#include "design/field_text.h"

namespace nodewick::design {
namespace {

// The path as a DBX text, or the reason it cannot be one.
std::string AsDbxText(const std::filesystem::path& path, const std::string& fileName)
{
    try {
        return Utf8ToWindows1252(path.string());
    } catch (const Error& error) {
        throw DesignError(fileName + ": the file's path cannot be a DBX text: " + error.what());
    }
}

std::filesystem::path RelativeToWorkingFolder(const std::filesystem::path& absolutePath)
{
    std::error_code error;
    const std::filesystem::path workingFolder = std::filesystem::current_path(error);
    if (error)
        return {};
    return absolutePath.lexically_relative(workingFolder);
}

}  // namespace

std::string DesignPathText(const std::filesystem::path& absolutePath, const std::string& fileName)
{
    std::string text = AsDbxText(absolutePath, fileName);
    if (text.size() > kWrittenText.capacity) {
        const std::filesystem::path relative = RelativeToWorkingFolder(absolutePath);
        std::string shorter = relative.empty() ? std::string() : AsDbxText(relative, fileName);
        if (shorter.empty() || shorter.size() > kWrittenText.capacity) {
            throw DesignError(fileName + ": the file's path is " + std::to_string(text.size()) + " bytes long, and " +
                              (shorter.empty()
                                   ? "has no path relative to the working folder"
                                   : std::to_string(shorter.size()) + " bytes relative to the working folder") +
                              "; the design record holds " + std::to_string(kWrittenText.capacity) +
                              ": move the file to a shorter path or start the run nearer to it");
        }
        text = std::move(shorter);
    }
    if (const std::optional<std::string> problem = FieldTextProblem(text, kWrittenText))
        throw DesignError(fileName + ": the file's path cannot be design text 1: " + *problem);
    return text;
}

}  // namespace nodewick::design
