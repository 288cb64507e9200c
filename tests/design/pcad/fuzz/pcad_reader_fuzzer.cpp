// libFuzzer entry for the P-CAD reader: any input must either load or be
// refused with a DesignError; a crash, a hang, a sanitizer report or any
// other exception is a fault.
#include "design/pcad/pcad_reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        nodewick::design::ReadPcadText(text, "fuzz.pcb", "/fuzz/fuzz.pcb");
    } catch (const nodewick::DesignError&) {
    }
    return 0;
}
