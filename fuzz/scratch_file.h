#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace q417::fuzz {

// A folder of this process's own under the temporary folder, removed with everything in it when
// the process ends by exit() (libFuzzer ends that way), so that runs leave nothing behind.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(std::filesystem::temp_directory_path() / ("q417-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes the fuzz input to a file in the scratch folder, for targets that read a data file by its
// path. Returns the path.
inline const std::filesystem::path& writeScratchFile(const std::string& name, const std::uint8_t* data,
                                                     std::size_t size) {
    static const ScratchFolder folder;
    static std::filesystem::path path;
    path = folder.path() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace q417::fuzz
