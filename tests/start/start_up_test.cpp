// The whole start from a design file or a design in memory: the warnings of
// the file reach the caller, a file or design that cannot be held open is named in
// the error, and a missing design leaves an editor that is not running.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "export/temp_folder.h"
#include "start/start_up.h"

namespace nodewick::start {
namespace {

using testing::TempFolder;
using testing::WriteBytes;
using Lines = std::vector<std::string>;

// A two-layer JSON design with one key the reader does not know.
constexpr const char* kDesignWithUnknownKey = R"({
  "nodewickDesign": 1,
  "colour": "green",
  "layers": [{"id": 1, "name": "Top", "type": 0}, {"id": 2, "name": "Bottom", "type": 0}]
})";

TEST(StartUp, FromAFileCarriesItsWarningsAndTheSavedOrder)
{
    TempFolder folder;
    WriteBytes(folder.file("board.json"), kDesignWithUnknownKey);
    WriteBytes(folder.file("Nodewick.ini"), "Bottom   2\r\nTop   1\r\n");
    const Started started = StartUp(folder.file("board.json"));
    ASSERT_NE(started.editor, nullptr);
    EXPECT_EQ(started.conversation.status, dbx::status::kSuccess);
    EXPECT_EQ(started.conversation.names.file, "board.json");
    EXPECT_EQ(started.conversation.layerList, (Lines{"Bottom   2", "Top   1"}));
    ASSERT_EQ(started.conversation.warnings.size(), 1u);
    EXPECT_EQ(started.conversation.warnings[0], folder.file("board.json") + ": colour: unknown key, ignored");
}

TEST(StartUp, FileThatDoesNotLoadIsNamed)
{
    TempFolder folder;
    const std::string missing = folder.file("missing.json");
    try {
        (void)StartUp(missing);
        FAIL() << "a missing design file was taken";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find("missing.json"), std::string::npos) << error.what();
    }
}

TEST(StartUp, DesignTheEditorRefusesIsNamedByItsPath)
{
    design::Design repeated;
    repeated.path = "/boards/twice.pcb";
    repeated.layers = {{.id = 1, .name = "Top", .type = 0}, {.id = 1, .name = "Again", .type = 0}};
    try {
        (void)StartUp(std::optional<design::Design>(repeated));
        FAIL() << "a design with a repeated layer id was held open";
    } catch (const DesignError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("/boards/twice.pcb: ", 0), 0u) << error.what();
    }
}

TEST(StartUp, WithoutADesignTheEditorIsNotRunning)
{
    const Started started = StartUp(std::optional<design::Design>());
    ASSERT_NE(started.editor, nullptr);
    EXPECT_EQ(started.conversation.status, dbx::status::kNoConnection);
    EXPECT_TRUE(started.conversation.layerList.empty());
    EXPECT_TRUE(started.conversation.warnings.empty());
}

} // namespace
} // namespace nodewick::start
