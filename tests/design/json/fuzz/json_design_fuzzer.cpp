// libFuzzer entry for the JSON design-file reader: any input must either load
// or be refused with a DesignError; a crash, a hang, a sanitizer report or
// any other exception is a fault.
#include "design/json/design_json.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        nodewick::design::LoadJsonDesign(in, "fuzz.json");
    } catch (const nodewick::DesignError&) {
    }
    return 0;
}
