#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace q417 {

// Which rule chose the data folder.
enum class DataFolderKind {
    Option,           // --data-dir
    BesideExecutable, // the executable's folder holds config.bin: a build tree or a portable copy
    User,             // the user's own folder, seeded from the factory files of an installed program
};

// Everything the choice of the data folder depends on, so the choice is made the same way for
// both programs and tested without this process's own folders.
struct DataSearch {
    std::optional<std::filesystem::path> dataDirOption;
    std::filesystem::path executableDir;
    std::filesystem::path configHome; // $XDG_CONFIG_HOME or ~/.config; empty when neither is known

    // This process's: its executable's folder and its environment.
    static DataSearch ofThisProcess(std::optional<std::filesystem::path> dataDirOption);
};

// Where the program's data files live. A file's path is the folder plus its name, nothing else.
class DataPaths {
public:
    explicit DataPaths(std::filesystem::path dataDir, DataFolderKind kind = DataFolderKind::Option,
                       std::filesystem::path sharedDir = {})
        : dir_(std::move(dataDir))
        , kind_(kind)
        , sharedDir_(std::move(sharedDir)) {}

    // The folder of the running executable (from /proc/self/exe); empty if it cannot be found.
    static std::filesystem::path executableDir();
    // An installed program's shared folder, <prefix>/share/q417, found from the folder its
    // executables lie in, so an installation can be moved (or staged under DESTDIR) whole.
    static std::filesystem::path sharedDirFor(const std::filesystem::path& executableDir);

    // The one decision of where the data lives: --data-dir when given; else the executable's
    // folder when it holds config.bin; else the user's folder, configHome/q417 (the executable's
    // folder still when no configuration folder is known).
    static DataPaths choose(const DataSearch& search);
    // choose() for this process.
    static DataPaths resolve(const std::optional<std::filesystem::path>& dataDirOption);

    [[nodiscard]] const std::filesystem::path& dir() const { return dir_; }
    [[nodiscard]] DataFolderKind kind() const { return kind_; }
    // The installed factory files and skins; empty when unknown.
    [[nodiscard]] const std::filesystem::path& sharedDir() const { return sharedDir_; }

    [[nodiscard]] std::filesystem::path configFile() const { return dir_ / "config.bin"; }
    [[nodiscard]] std::filesystem::path macroLibrary() const { return dir_ / "record.ini"; }
    [[nodiscard]] std::filesystem::path uiSettings() const { return dir_ / "str.ini"; }
    // Where skins are looked for, the first folder first: the data folder's own Skins (where a
    // user adds a skin without root), then the shared ones.
    [[nodiscard]] std::vector<std::filesystem::path> skinRoots() const;

    // One line for people: the folder and the rule that chose it.
    [[nodiscard]] std::string describe() const;

private:
    std::filesystem::path dir_;
    DataFolderKind kind_;
    std::filesystem::path sharedDir_;
};

} // namespace q417
