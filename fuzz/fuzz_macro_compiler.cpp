// Compiles an arbitrary record.ini into the twelve macro slots, and loads every macro in it.
#include "macro/macro_library.h"
#include "scratch_file.h"

#include <cstdint>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& file = q417::fuzz::writeScratchFile("record.ini", data, size);
    const q417::MacroLibrary library(file);
    q417::MouseConfig config{};
    library.compileMacroSlots(config);
    for (const std::string& name : library.listMacroNames()) {
        (void)library.loadMacro(name);
    }
    return 0;
}
