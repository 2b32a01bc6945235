#include "profile/profile_store.h"

#include "platform/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace q417 {

namespace {

constexpr std::string_view kSuffix = ".json";
constexpr std::size_t kMaxNameBytes = 100;
constexpr std::size_t kMaxProfileBytes = std::size_t{4} * 1024 * 1024;

bool keptAsIs(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' ||
           c == '_';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1; // upper case only, so each name has one spelling
}

Status checked(std::string_view name, std::filesystem::path& file, const DataPaths& paths) {
    if (Status s = checkProfileName(name); !s.ok()) {
        return s;
    }
    file = profilesFolder(paths) / profileFileName(name);
    return Status::success();
}

} // namespace

std::filesystem::path profilesFolder(const DataPaths& paths) {
    return paths.dir() / "profiles";
}

Status checkProfileName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameBytes) {
        return Status::failure(ErrorKind::Usage, "a profile name has 1 to " + std::to_string(kMaxNameBytes) + " bytes");
    }
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
        return Status::failure(ErrorKind::Usage, "a profile name cannot hold control characters");
    }
    return Status::success();
}

std::string profileFileName(std::string_view name) {
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string file;
    for (const char c : name) {
        if (keptAsIs(c)) {
            file += c;
        } else {
            const auto b = static_cast<unsigned char>(c);
            file += '%';
            file += kDigits[b >> 4];
            file += kDigits[b & 0x0F];
        }
    }
    return file + std::string(kSuffix);
}

std::optional<std::string> profileNameOfFile(std::string_view fileName) {
    if (fileName.size() <= kSuffix.size() || !fileName.ends_with(kSuffix)) {
        return std::nullopt;
    }
    const std::string_view stem = fileName.substr(0, fileName.size() - kSuffix.size());
    std::string name;
    for (std::size_t i = 0; i < stem.size(); ++i) {
        if (keptAsIs(stem[i])) {
            name += stem[i];
        } else if (stem[i] == '%' && i + 2 < stem.size() && hexDigit(stem[i + 1]) >= 0 && hexDigit(stem[i + 2]) >= 0 &&
                   !keptAsIs(static_cast<char>(hexDigit(stem[i + 1]) * 16 + hexDigit(stem[i + 2])))) {
            name += static_cast<char>(hexDigit(stem[i + 1]) * 16 + hexDigit(stem[i + 2]));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    if (!checkProfileName(name).ok()) {
        return std::nullopt;
    }
    return name;
}

std::vector<std::string> listProfiles(const DataPaths& paths) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(profilesFolder(paths), ec), end; !ec && it != end; it.increment(ec)) {
        if (const auto name = profileNameOfFile(it->path().filename().string()); name && it->is_regular_file(ec)) {
            names.push_back(*name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

Status storeProfile(const DataPaths& paths, std::string_view name, std::string_view json) {
    std::filesystem::path file;
    if (Status s = checked(name, file, paths); !s.ok()) {
        return s;
    }
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) {
        return Status::failure(ErrorKind::DataFile, file.parent_path().string() + ": " + ec.message(), ec.value());
    }
    return replaceFileAtomically(file, json);
}

Status readStoredProfile(const DataPaths& paths, std::string_view name, std::string& json) {
    std::filesystem::path file;
    if (Status s = checked(name, file, paths); !s.ok()) {
        return s;
    }
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return Status::failure(ErrorKind::NotFound, "no profile named '" + std::string(name) + "'", ENOENT);
    }
    return readWholeFile(file, json, kMaxProfileBytes);
}

Status deleteStoredProfile(const DataPaths& paths, std::string_view name) {
    std::filesystem::path file;
    if (Status s = checked(name, file, paths); !s.ok()) {
        return s;
    }
    std::error_code ec;
    if (!std::filesystem::remove(file, ec)) {
        return ec ? Status::failure(ErrorKind::DataFile, file.string() + ": " + ec.message(), ec.value())
                  : Status::failure(ErrorKind::NotFound, "no profile named '" + std::string(name) + "'", ENOENT);
    }
    return Status::success();
}

} // namespace q417
