// End-to-end: the window program answers help, version and a wrong command
// line where no display is at hand, as on a build server or over ssh.

#include <cstdlib>

#include <gtest/gtest.h>

#include "run_program.h"

namespace nodewick::testing {
namespace {

const std::string kWindow = NODEWICK_WINDOW_PROGRAM;

class WindowWithoutDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            if (const char* value = std::getenv(name))
                saved_.emplace_back(name, value);
            ::unsetenv(name);
        }
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved_)
            ::setenv(name.c_str(), value.c_str(), 1);
    }

    ProgramRun run(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> all{kWindow};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return RunProgram(ProgramStart{.arguments = all, .workingFolder = folder.path()}, scratch,
                          std::chrono::seconds(20));
    }

    TempFolder folder;
    TempFolder scratch;

private:
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(WindowWithoutDisplay, HelpIsPrinted)
{
    const ProgramRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_NE(help.out.find("[DESIGN]"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--screenshot <FILE>"), std::string::npos) << help.out;
}

TEST_F(WindowWithoutDisplay, VersionIsPrinted)
{
    const ProgramRun version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out, "nodewick " NODEWICK_VERSION "\n");
}

TEST_F(WindowWithoutDisplay, WrongCommandLineIsAUsageError)
{
    const ProgramRun unknown = run({"--bogus"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "nodewick: Unknown option 'bogus'.\n");
    const ProgramRun two = run({"a.json", "b.json"});
    EXPECT_EQ(two.exitCode, 2);
    EXPECT_EQ(two.err, "nodewick: one design file at most\n");
}

} // namespace
} // namespace nodewick::testing
