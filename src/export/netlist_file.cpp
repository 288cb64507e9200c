#include "netlist_file.h"

#include <unistd.h>

#include "base/error.h"

namespace nodewick::exporter {
namespace {

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

NetlistFile::NetlistFile(const std::string& path) : finalPath_(path)
{
    if (path != kStandardOutput) {
        RemoveLeftoverTemporaries(FolderOf(path));
        file_.emplace(path, "the netlist");
    }
    buffer_.reserve(kBlockSize + (kBlockSize >> 2));
}

void NetlistFile::flush()
{
    if (file_) {
        file_->write(buffer_);
    } else if (const int error = WriteAll(STDOUT_FILENO, buffer_); error != 0) {
        throw FileError("Cannot write the netlist to standard output: " + SystemReason(error));
    }
    buffer_.clear();
}

void NetlistFile::commit()
{
    flush();
    if (file_)
        file_->commit();
}

}  // namespace nodewick::exporter
