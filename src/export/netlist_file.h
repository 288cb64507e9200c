#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "file_io.h"
#include "line_sink.h"

namespace nodewick::exporter {

// Where the netlist goes when it is not a file: "-" stands for standard
// output, as on the command line.
inline constexpr std::string_view kStandardOutput = "-";

// The netlist as it is being written: a temporary file beside the final one,
// renamed over it only when complete. A run that fails leaves neither a
// half-written netlist nor a damaged earlier one; the temporary file goes away
// with this object unless it was committed. Written to standard output, the
// netlist goes out block by block, and a failed run ends it without the end
// record.
class NetlistFile : public LineSink {
public:
    // path: the netlist's final path, or kStandardOutput. Temporaries that
    // killed runs left in the folder are removed first. Throws
    // nodewick::FileError.
    explicit NetlistFile(const std::string& path);
    NetlistFile(const NetlistFile&) = delete;
    NetlistFile& operator=(const NetlistFile&) = delete;

    // Ends the line with CR LF. Lines reach the file in large blocks. Throws
    // FileError.
    void Write(std::string_view line) override
    {
        buffer_.append(line);
        buffer_.append("\r\n");
        if (buffer_.size() >= kBlockSize)
            flush();
    }

    // Writes what is left, closes the file and puts it in place under its
    // final name. Throws FileError.
    void commit();

    const std::string& finalPath() const noexcept { return finalPath_; }

private:
    static constexpr std::size_t kBlockSize = 1 << 20;

    void flush();

    std::string finalPath_;
    std::optional<ReplacementFile> file_;  // nothing: standard output
    std::string buffer_;
};

}  // namespace nodewick::exporter
