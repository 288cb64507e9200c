#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "conversation.h"
#include "design/design.h"
#include "design/stand_in_editor.h"

namespace nodewick::start {

// The stand-in editor holding a design open, as the PCB editor would, and
// what loading the design file had to say.
struct StandIn {
    std::unique_ptr<design::StandInEditor> editor;
    std::vector<std::string> warnings;
};

// Loads the design file and hands it to the stand-in editor. A file that
// does not load throws DesignError (FileError when it cannot be read or is
// no regular file); a design the editor refuses (a text
// too long for its DBX field, an id used twice) throws DesignError. Either
// message names the file.
StandIn OpenStandIn(const std::filesystem::path& designFile);

// A program run started: the editor and the conversation opened with it.
struct Started {
    std::unique_ptr<design::StandInEditor> editor;
    Conversation conversation;  // its warnings begin with the design file's
};

// The whole start from a design file: OpenStandIn, then OpenConversation.
Started StartUp(const std::filesystem::path& designFile, bool readSettings = true);

// The same start from a design already in memory; without one the editor
// answers as one that is not running. A refused design throws DesignError
// naming its path.
Started StartUp(std::optional<design::Design> design);

}  // namespace nodewick::start
