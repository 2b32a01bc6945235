#include "platform/xdg_folders.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace q417 {

namespace {

std::filesystem::path absoluteOrEmpty(const char* value) {
    if (value == nullptr || value[0] != '/') {
        return {};
    }
    return std::filesystem::path(value).lexically_normal();
}

std::filesystem::path passwordHome() {
    struct passwd entry {};
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return {};
    }
    return absoluteOrEmpty(found->pw_dir);
}

} // namespace

std::filesystem::path xdgConfigHome(const char* configHomeVariable, const char* homeVariable) {
    if (std::filesystem::path configHome = absoluteOrEmpty(configHomeVariable); !configHome.empty()) {
        return configHome;
    }
    std::filesystem::path home = absoluteOrEmpty(homeVariable);
    if (home.empty()) {
        home = passwordHome();
    }
    return home.empty() ? std::filesystem::path{} : home / ".config";
}

std::filesystem::path xdgConfigHome() {
    return xdgConfigHome(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

Status makeUserFolder(const std::filesystem::path& folder) {
    // The missing folders, innermost first; each is made after its parent.
    std::vector<std::filesystem::path> missing;
    std::error_code ec;
    for (std::filesystem::path p = folder; !p.empty() && !std::filesystem::exists(p, ec); p = p.parent_path()) {
        missing.push_back(p);
        if (p == p.parent_path()) {
            break;
        }
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), S_IRWXU) != 0 && errno != EEXIST) {
            const int error = errno;
            return Status::failure(ErrorKind::DataFile,
                                   "cannot create the folder " + it->string() + ": " + std::strerror(error), error);
        }
    }
    if (!std::filesystem::is_directory(folder, ec)) {
        return Status::failure(ErrorKind::DataFile, folder.string() + " is not a folder");
    }
    return Status::success();
}

} // namespace q417
