#include "export/text_viewer.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "../support/environment.h"
#include "temp_folder.h"

namespace nodewick::exporter {
namespace {

using nodewick::testing::ReadBytes;
using nodewick::testing::ScopedVariable;
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
#ifdef _WIN32
    GTEST_SKIP() << "the stand-in viewer is a shell script";
#endif
    TempFolder folder;
    const std::string viewer = folder.file("viewer.sh");
    WriteBytes(viewer, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"$(dirname \"$0\")/seen.tmp\"\n"
                       "mv \"$(dirname \"$0\")/seen.tmp\" \"$(dirname \"$0\")/seen\"\n");
    std::filesystem::permissions(viewer, std::filesystem::perms::owner_all);
    const std::string netlist = folder.file("my board.ipc");
    {
        const ScopedVariable chosen("NODEWICK_VIEWER", viewer.c_str());
        EXPECT_EQ(OpenInTextViewer(netlist), std::nullopt);
    }
    EXPECT_EQ(WaitForFile(folder.file("seen")), "1|" + netlist);
}

TEST(OpenInTextViewer, ViewerThatCannotBeStartedIsReported)
{
    const ScopedVariable chosen("NODEWICK_VIEWER", "nodewick-no-such-viewer");
    const std::optional<std::string> error = OpenInTextViewer("/tmp/x.ipc");
    ASSERT_TRUE(error.has_value());
#ifdef _WIN32
    // The reason is the system's wording, which depends on its language.
    EXPECT_EQ(error->rfind("Cannot start the text viewer nodewick-no-such-viewer: ", 0), 0u) << *error;
#else
    EXPECT_EQ(*error, "Cannot start the text viewer nodewick-no-such-viewer: No such file or directory");
#endif
}

} // namespace
} // namespace nodewick::exporter
