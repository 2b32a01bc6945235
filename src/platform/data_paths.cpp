#include "platform/data_paths.h"

#include "platform/xdg_folders.h"

#include <system_error>

#ifndef Q417_SHARED_FROM_BIN
#define Q417_SHARED_FROM_BIN "../share/q417"
#endif

namespace q417 {

DataSearch DataSearch::ofThisProcess(std::optional<std::filesystem::path> dataDirOption) {
    return {std::move(dataDirOption), DataPaths::executableDir(), xdgConfigHome()};
}

std::filesystem::path DataPaths::executableDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : exe.parent_path();
}

std::filesystem::path DataPaths::sharedDirFor(const std::filesystem::path& executableDir) {
    if (executableDir.empty()) {
        return {};
    }
    return (executableDir / Q417_SHARED_FROM_BIN).lexically_normal();
}

DataPaths DataPaths::choose(const DataSearch& search) {
    const std::filesystem::path shared = sharedDirFor(search.executableDir);
    if (search.dataDirOption && !search.dataDirOption->empty()) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(*search.dataDirOption, ec);
        return DataPaths(ec ? *search.dataDirOption : absolute.lexically_normal(), DataFolderKind::Option, shared);
    }
    std::error_code ec;
    const bool portable =
        !search.executableDir.empty() && std::filesystem::exists(search.executableDir / "config.bin", ec);
    if (portable || search.configHome.empty()) {
        return DataPaths(search.executableDir, DataFolderKind::BesideExecutable, shared);
    }
    return DataPaths(search.configHome / "q417", DataFolderKind::User, shared);
}

DataPaths DataPaths::resolve(const std::optional<std::filesystem::path>& dataDirOption) {
    return choose(DataSearch::ofThisProcess(dataDirOption));
}

std::vector<std::filesystem::path> DataPaths::skinRoots() const {
    std::vector<std::filesystem::path> roots{dir_ / "Skins"};
    if (!sharedDir_.empty()) {
        const std::filesystem::path shared = sharedDir_ / "Skins";
        if (shared.lexically_normal() != roots.front().lexically_normal()) {
            roots.push_back(shared);
        }
    }
    return roots;
}

std::string DataPaths::describe() const {
    switch (kind_) {
    case DataFolderKind::Option:
        return dir_.string() + " (given with --data-dir)";
    case DataFolderKind::BesideExecutable:
        return dir_.string() + " (beside the executable)";
    case DataFolderKind::User:
        return dir_.string() + " (the user's own; factory files in " + sharedDir_.string() + ")";
    }
    return dir_.string();
}

} // namespace q417
