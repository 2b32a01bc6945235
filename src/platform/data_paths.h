#pragma once

#include <filesystem>
#include <optional>

namespace q417 {

// Where the program's data files live: the executable's own folder, or a folder given with
// --data-dir. A file's path is the folder plus its name, nothing else.
class DataPaths {
public:
    explicit DataPaths(std::filesystem::path dataDir)
        : dir_(std::move(dataDir)) {}

    // The folder of the running executable (from /proc/self/exe); empty if it cannot be found.
    static std::filesystem::path executableDir();
    // --data-dir when given, else the executable's folder.
    static DataPaths resolve(const std::optional<std::filesystem::path>& dataDirOption);

    [[nodiscard]] const std::filesystem::path& dir() const { return dir_; }
    [[nodiscard]] std::filesystem::path configFile() const { return dir_ / "config.bin"; }
    [[nodiscard]] std::filesystem::path macroLibrary() const { return dir_ / "record.ini"; }
    [[nodiscard]] std::filesystem::path uiSettings() const { return dir_ / "str.ini"; }
    [[nodiscard]] std::filesystem::path skinsRoot() const { return dir_ / "Skins"; }

private:
    std::filesystem::path dir_;
};

} // namespace q417
