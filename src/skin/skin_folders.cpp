#include "skin/skin_folders.h"

#include <algorithm>
#include <system_error>

namespace q417 {

namespace {

constexpr char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool lessIgnoringAsciiCase(const std::string& a, const std::string& b) {
    const auto lowered = [](char x, char y) {
        return lowerAscii(x) < lowerAscii(y);
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowered)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowered)) {
        return false;
    }
    return a < b; // names that differ only in case keep a fixed order
}

} // namespace

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::vector<std::string> listSkinNames(const std::filesystem::path& skinsRoot) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(skinsRoot, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            names.push_back(it->path().filename().native());
        }
    }
    std::sort(names.begin(), names.end(), lessIgnoringAsciiCase);
    return names;
}

std::optional<std::filesystem::path> findSkinFolder(const std::filesystem::path& skinsRoot, std::string_view name) {
    for (const std::string& candidate : listSkinNames(skinsRoot)) {
        if (equalsIgnoringAsciiCase(candidate, name)) {
            return skinsRoot / candidate;
        }
    }
    return std::nullopt;
}

std::vector<std::string> listSkinNames(const std::vector<std::filesystem::path>& skinRoots) {
    std::vector<std::string> names;
    for (const std::filesystem::path& root : skinRoots) {
        const std::size_t earlier = names.size();
        for (std::string& name : listSkinNames(root)) {
            const auto sameName = [&name](const std::string& taken) {
                return equalsIgnoringAsciiCase(taken, name);
            };
            // Only the earlier folders' names hide a skin: one folder lists all of its own.
            if (std::none_of(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(earlier), sameName)) {
                names.push_back(std::move(name));
            }
        }
    }
    std::sort(names.begin(), names.end(), lessIgnoringAsciiCase);
    return names;
}

std::optional<std::filesystem::path> findSkinFolder(const std::vector<std::filesystem::path>& skinRoots,
                                                    std::string_view name) {
    for (const std::filesystem::path& root : skinRoots) {
        if (std::optional<std::filesystem::path> folder = findSkinFolder(root, name)) {
            return folder;
        }
    }
    return std::nullopt;
}

} // namespace q417
