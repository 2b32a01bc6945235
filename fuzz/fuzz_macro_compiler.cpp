// Compiles an arbitrary record.ini into the twelve macro slots, and loads every macro in it.
#include "macro/macro_library.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::filesystem::path& scratchFile() {
    static const std::filesystem::path path = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("q417-fuzz-macro-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir / "record.ini";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const q417::MacroLibrary library(scratchFile());
    q417::MouseConfig config{};
    library.compileMacroSlots(config);
    for (const std::string& name : library.listMacroNames()) {
        (void)library.loadMacro(name);
    }
    return 0;
}
