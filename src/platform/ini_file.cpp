#include "platform/ini_file.h"

#include "platform/atomic_file.h"
#include "platform/data_folder_lock.h"

#include <cerrno>
#include <climits>
#include <system_error>

namespace q417 {

int leadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value < INT_MIN ? INT_MIN : value);
}

bool IniFile::exists() const {
    std::error_code ec;
    return std::filesystem::exists(path_, ec);
}

Status IniFile::readable() const {
    IniDocument doc;
    TextEncoding encoding{};
    return load(doc, encoding);
}

Status IniFile::load(IniDocument& doc, TextEncoding& encoding) const {
    encoding = TextEncoding::Utf8;
    if (!exists()) {
        doc = IniDocument{};
        return Status::success();
    }
    std::string bytes;
    Status status = readWholeFile(path_, bytes, kMaxFileBytes);
    if (!status.ok()) {
        return status;
    }
    DecodedText decoded = decodeText(bytes);
    encoding = decoded.encoding;
    doc = IniDocument::parse(decoded.utf8);
    return Status::success();
}

Status IniFile::edit(const std::function<bool(IniDocument&)>& change) {
    // From the read to the write, no other program of this mouse rewrites a file of the folder.
    const DataFolderLock lock(folderOf(path_));
    if (!lock.status().ok()) {
        return lock.status();
    }
    IniDocument doc;
    TextEncoding encoding{};
    Status status = load(doc, encoding);
    if (!status.ok()) {
        return status;
    }
    if (!change(doc)) {
        return Status::success();
    }
    return replaceFileAtomically(path_, encodeText(doc.text(), encoding));
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    IniDocument doc;
    TextEncoding encoding{};
    std::optional<std::string> value;
    if (load(doc, encoding).ok()) {
        value = doc.value(section, key);
    }
    return truncateUtf8(value ? *value : fallback, kMaxValueChars);
}

int IniFile::readInt(std::string_view section, std::string_view key, int fallback) const {
    IniDocument doc;
    TextEncoding encoding{};
    if (!load(doc, encoding).ok()) {
        return fallback;
    }
    const std::optional<std::string> value = doc.value(section, key);
    return value ? leadingInt(*value) : fallback;
}

std::vector<std::string> IniFile::sectionNames() const {
    IniDocument doc;
    TextEncoding encoding{};
    return load(doc, encoding).ok() ? doc.sectionNames() : std::vector<std::string>{};
}

IniEntries IniFile::sectionEntries(std::string_view section) const {
    IniDocument doc;
    TextEncoding encoding{};
    IniEntries entries = load(doc, encoding).ok() ? doc.entries(section) : IniEntries{};
    for (auto& entry : entries) {
        entry.second = truncateUtf8(entry.second, kMaxValueChars);
    }
    return entries;
}

std::optional<IniDocument> IniFile::document() const {
    IniDocument doc;
    TextEncoding encoding{};
    if (!load(doc, encoding).ok()) {
        return std::nullopt;
    }
    return doc;
}

Status IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    return edit([&](IniDocument& doc) {
        doc.setValue(section, key, value);
        return true;
    });
}

Status IniFile::writeStrings(std::string_view section, const IniEntries& entries) {
    return edit([&](IniDocument& doc) {
        for (const auto& [key, value] : entries) {
            doc.setValue(section, key, value);
        }
        return true;
    });
}

Status IniFile::removeSection(std::string_view section) {
    if (!exists()) {
        return Status::success();
    }
    return edit([&](IniDocument& doc) { return doc.removeSection(section); });
}

Status IniFile::replaceSection(std::string_view section, const IniEntries& entries) {
    return edit([&](IniDocument& doc) {
        doc.replaceSection(section, entries);
        return true;
    });
}

} // namespace q417
