#include "netlist_file.h"

#include <cerrno>
#include <unistd.h>

#include "base/error.h"
#include "base/replace_file.h"
#include "short_text.h"

namespace nodewick::exporter {
namespace {

// A name no one else uses in the folder: hidden, tied to this process, and
// never taken for a finished netlist.
std::string TemporaryPath(const std::string& folder, const std::string& fileName, int attempt)
{
    std::string path = folder + "." + fileName + ".";
    path += Decimal(::getpid()).view();
    path += '-';
    path += Decimal(attempt).view();
    return path + ".tmp";
}

} // namespace

NetlistFile::NetlistFile(const std::string& folder, const std::string& fileName) : finalPath_(folder + fileName)
{
    int error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath_ = TemporaryPath(folder, fileName, attempt);
        file_ = CreateFile(tempPath_, true, error);
        if (file_.isOpen() || error != EEXIST)
            break;
    }
    if (!file_.isOpen())
        throw ExportError("Cannot create the netlist " + finalPath_ + " (temporary file " + tempPath_ +
                          "): " + SystemReason(error));
    buffer_.reserve(kBlockSize + (kBlockSize >> 2));
}

NetlistFile::~NetlistFile()
{
    if (!committed_) {
        file_.close();
        ::unlink(tempPath_.c_str());
    }
}

void NetlistFile::flush()
{
    if (const int error = file_.writeAll(buffer_); error != 0)
        fail("Cannot write the netlist ", error);
    buffer_.clear();
}

void NetlistFile::commit()
{
    flush();
    if (const int error = file_.close(); error != 0)
        fail("Cannot write the netlist ", error);
    if (const int error = RenameReplacing(tempPath_, finalPath_); error != 0)
        fail("Cannot put the netlist in place as ", error);
    committed_ = true;
}

void NetlistFile::fail(std::string_view what, int errorNumber) const
{
    throw ExportError(std::string(what) + finalPath_ + ": " + SystemReason(errorNumber));
}

} // namespace nodewick::exporter
