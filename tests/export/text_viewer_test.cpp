#include "export/text_viewer.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "temp_folder.h"

namespace nodewick::exporter {
namespace {

using nodewick::testing::ReadBytes;
using nodewick::testing::TempFolder;
using nodewick::testing::WriteBytes;

// The viewer runs on its own; wait a little for what it leaves behind.
std::string WaitForFile(const std::string& path)
{
    for (int i = 0; i < 200 && ReadBytes(path).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return ReadBytes(path);
}

TEST(OpenInTextViewer, PassesTheFileNameAsOneArgument)
{
    TempFolder folder;
    const std::string viewer = folder.file("viewer.sh");
    WriteBytes(viewer, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"$(dirname \"$0\")/seen.tmp\"\n"
                       "mv \"$(dirname \"$0\")/seen.tmp\" \"$(dirname \"$0\")/seen\"\n");
    ::chmod(viewer.c_str(), 0755);
    ::setenv("NODEWICK_VIEWER", viewer.c_str(), 1);
    const std::string netlist = folder.file("my board.ipc");
    EXPECT_EQ(OpenInTextViewer(netlist), std::nullopt);
    ::unsetenv("NODEWICK_VIEWER");
    EXPECT_EQ(WaitForFile(folder.file("seen")), "1|" + netlist);
}

TEST(OpenInTextViewer, ViewerThatCannotBeStartedIsReported)
{
    ::setenv("NODEWICK_VIEWER", "nodewick-no-such-viewer", 1);
    const std::optional<std::string> error = OpenInTextViewer("/tmp/x.ipc");
    ::unsetenv("NODEWICK_VIEWER");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "Cannot start the text viewer nodewick-no-such-viewer: No such file or directory");
}

} // namespace
} // namespace nodewick::exporter
