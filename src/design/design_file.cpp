#include "design/design_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "base/file_text.h"
#include "design/json/design_json.h"
#include "design/pcad/pcad_reader.h"

namespace nodewick::design {
namespace {

enum class DesignFileKind { Json, PcadAscii, Unknown, Empty };

// How many bytes tell the kind of a design file.
constexpr std::size_t kRecognisedBytes = 256;

// Looks at the first non-blank bytes, after a UTF-8 byte order mark.
DesignFileKind Recognise(std::string_view start)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string_view text = start;
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    text.remove_prefix(std::min(text.find_first_not_of(" \t\r\n"), text.size()));
    if (text.empty())
        return DesignFileKind::Empty;
    if (text.front() == '{')
        return DesignFileKind::Json;
    return IsPcadAsciiText(start) ? DesignFileKind::PcadAscii : DesignFileKind::Unknown;
}

// The first bytes of the file, and then the rest as it is asked for: the
// JSON reader streams the whole file through this once.
class DesignFileBytes {
public:
    explicit DesignFileBytes(const std::filesystem::path& file) : file_(file)
    {
        start_.resize(kRecognisedBytes);
        std::size_t filled = 0;
        while (filled < start_.size()) {
            const std::size_t got = file_.read(start_.data() + filled, start_.size() - filled);
            if (got == 0)
                break;
            filled += got;
        }
        start_.resize(filled);
    }

    std::string_view start() const noexcept { return start_; }

    std::size_t read(char* buffer, std::size_t capacity)
    {
        if (handedOut_ < start_.size()) {
            const std::size_t count = std::min(capacity, start_.size() - handedOut_);
            std::memcpy(buffer, start_.data() + handedOut_, count);
            handedOut_ += count;
            return count;
        }
        return file_.read(buffer, capacity);
    }

private:
    RegularFile file_;
    std::string start_;
    std::size_t handedOut_ = 0;
};

}  // namespace

LoadedDesign LoadDesignFile(const std::filesystem::path& file)
{
    const std::string fileName = file.string();
    DesignFileBytes bytes(file);
    switch (Recognise(bytes.start())) {
    case DesignFileKind::Json:
        return LoadJsonDesign([&bytes](char* buffer, std::size_t capacity) { return bytes.read(buffer, capacity); },
                              file);
    case DesignFileKind::PcadAscii:
        return ReadPcadDesign(file);
    case DesignFileKind::Empty:
        throw DesignError(fileName + ": the file is empty, not a design file");
    case DesignFileKind::Unknown:
        break;
    }
    throw DesignError(fileName +
                      ": not a design file: a JSON design file starts with \"{\", a P-CAD ASCII PCB file with "
                      "ACCEL_ASCII, PCAD_ASCII or TangoPRO_ASCII");
}

}  // namespace nodewick::design
