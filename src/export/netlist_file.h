#pragma once

#include <string>
#include <string_view>

#include "file_io.h"
#include "line_sink.h"

namespace nodewick::exporter {

// The netlist as it is being written: a temporary file beside the final one,
// renamed over it only when complete. A run that fails leaves neither a
// half-written netlist nor a damaged earlier one; the temporary file goes away
// with this object unless it was committed.
class NetlistFile : public LineSink {
public:
    // Creates the temporary file in the folder the netlist goes to (empty: the
    // working folder). Throws ExportError.
    NetlistFile(const std::string& folder, const std::string& fileName);
    ~NetlistFile() override;
    NetlistFile(const NetlistFile&) = delete;
    NetlistFile& operator=(const NetlistFile&) = delete;

    // Ends the line with CR LF. Lines reach the file in large blocks. Throws
    // ExportError.
    void Write(std::string_view line) override
    {
        buffer_.append(line);
        buffer_.append("\r\n");
        if (buffer_.size() >= kBlockSize)
            flush();
    }

    // Writes what is left, closes the file and puts it in place under its
    // final name. Throws ExportError.
    void commit();

    const std::string& finalPath() const noexcept { return finalPath_; }

private:
    static constexpr std::size_t kBlockSize = 1 << 20;

    void flush();
    [[noreturn]] void fail(std::string_view what, int errorNumber) const;

    std::string finalPath_;
    std::string tempPath_;
    FileHandle file_;
    std::string buffer_;
    bool committed_ = false;
};

} // namespace nodewick::exporter
