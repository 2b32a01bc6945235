#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace q417::fuzz {

// Writes the fuzz input to a file of this process's own under the temporary folder, for targets
// that read a data file by its path. Returns the path.
inline const std::filesystem::path& writeScratchFile(const std::string& name, const std::uint8_t* data,
                                                     std::size_t size) {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("q417-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    static std::filesystem::path path;
    path = dir / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace q417::fuzz
