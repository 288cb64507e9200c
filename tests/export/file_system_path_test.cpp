#include "export/file_system_path.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace nodewick::exporter {
namespace {

// Windows-1252 bytes in, UTF-8 out: ü is 0xFC there and C3 BC here; ä is 0xE4
// and C3 A4; the euro sign 0x80 is E2 82 AC.
TEST(FileSystemPath, CodePageLettersBecomeUtf8)
{
    EXPECT_EQ(FileSystemPath("Entw\xFC" "rfe/Platine-\xE4.json"), "Entw\xC3\xBC" "rfe/Platine-\xC3\xA4.json");
    EXPECT_EQ(FileSystemPath("\x80" "5.pcb"), "\xE2\x82\xAC" "5.pcb");
    EXPECT_EQ(FileSystemPath("/pcb/board.pcb"), "/pcb/board.pcb");
}

TEST(FileSystemPath, ByteTheCodePageLeavesUndefinedIsRefused)
{
    try {
        FileSystemPath("/pcb/a\x81.pcb");
        FAIL() << "an undefined byte was taken";
    } catch (const ExportError& error) {
        EXPECT_EQ(std::string(error.what()), "The design path /pcb/a\xC2\x81.pcb holds the byte 0x81, which the "
                                             "Windows-1252 code page of DBX texts has no character for");
    }
}

} // namespace
} // namespace nodewick::exporter
