#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "run_program.h"

// What the end-to-end tests of nodewick-export share: the program, a small
// design, and a design folder with a scratch folder beside it.
namespace nodewick::testing {

inline const std::string kExporter = NODEWICK_EXPORT_PROGRAM;

// A one-net board: U12 pin 14 as in the record layout's sample, and a through
// via. padX is the pad's X location; path, when given, is the design path the
// editor reports.
inline std::string SmallDesign(const std::string& padX = "1234.5mil", const std::string& path = "")
{
    return std::string(R"({"nodewickDesign": 1, )") + (path.empty() ? "" : "\"path\": \"" + path + "\", ") +
           R"("title": "Probe fixture",
  "layers": [{"id": 1, "name": "Top", "type": 0}, {"id": 2, "name": "Bottom", "type": 0},
             {"id": 3, "name": "Inner1", "type": 1}, {"id": 4, "name": "Inner2", "type": 1}],
  "padStyles": [{"id": 0, "name": "SMD", "hole": 0, "start": 1, "end": 1,
                 "shapes": [{"layer": 1, "width": "60mil", "height": "20mil"}]}],
  "viaStyles": [{"id": 0, "name": "V32", "hole": "3.2mil", "start": 1, "end": 2}],
  "components": [{"refDes": "U12", "side": 0}],
  "nets": [{"id": 1, "name": "GND",
            "nodes": [{"refDes": "U12", "pin": "14", "padStyle": 0, "x": ")" + padX + R"(", "y": "500mil",
                       "rotation": 900}],
            "items": [{"type": 4, "viaStyle": 0, "x": "12345.6mil", "y": "23456.7mil"}]}]})";
}

class ExportCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("SOURCE_DATE_EPOCH", "1709906700", 1);  // 8 March 2024, 14:05:00 UTC
        ::setenv("LC_ALL", "C", 1);
    }
    void TearDown() override
    {
        ::unsetenv("SOURCE_DATE_EPOCH");
        ::unsetenv("LC_ALL");
    }

    ProgramRun exportDesign(std::vector<std::string> options, const std::string& design = "board.json")
    {
        options.insert(options.begin(), {kExporter, design});
        return RunProgram(options, folder.path(), scratch);
    }

    std::vector<std::string> filesLeft() const { return FileNames(folder.path()); }

    TempFolder folder;   // the design's folder
    TempFolder scratch;  // what the program printed
};

using Lines = std::vector<std::string>;

} // namespace nodewick::testing
