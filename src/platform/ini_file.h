#pragma once

#include "platform/ini_document.h"
#include "platform/result.h"
#include "platform/text_encoding.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

// An INI file on disk, read afresh on every call so that edits made outside the program are seen
// at once. Reads UTF-8 and UTF-16LE (with or without BOM); writes back in the file's own encoding,
// UTF-8 for a new file. Writes replace the file atomically: a failed write leaves it as it was.
class IniFile {
public:
    static constexpr std::size_t kMaxValueChars = 1023; // values are cut to this many characters
    static constexpr std::size_t kMaxFileBytes = std::size_t{16} * 1024 * 1024;

    explicit IniFile(std::filesystem::path path)
        : path_(std::move(path)) {}
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] bool exists() const;
    // Whether the file can be read now: a missing one can (it reads as empty); a folder, a pipe or a
    // file this user may not read cannot, and the status names the file and the reason.
    [[nodiscard]] Status readable() const;

    // The key's value, or `fallback` when the file, section or key is missing.
    [[nodiscard]] std::string readString(std::string_view section, std::string_view key,
                                         std::string_view fallback = {}) const;
    // The key's leading decimal number (blanks, a sign, digits), clamped to int; `fallback` when missing.
    [[nodiscard]] int readInt(std::string_view section, std::string_view key, int fallback) const;
    [[nodiscard]] std::vector<std::string> sectionNames() const;
    [[nodiscard]] IniEntries sectionEntries(std::string_view section) const;
    // The whole file parsed once, for callers that look at many sections: a missing file is an
    // empty document, an unreadable one nothing. Values are as the file holds them, not cut.
    [[nodiscard]] std::optional<IniDocument> document() const;

    Status writeString(std::string_view section, std::string_view key, std::string_view value);
    // Several keys of one section in one write.
    Status writeStrings(std::string_view section, const IniEntries& entries);
    Status removeSection(std::string_view section);
    // Gives the section exactly these keys, in place where it stands, else at the end of the file.
    Status replaceSection(std::string_view section, const IniEntries& entries);
    // Reads the file once, lets `change` edit the document, and writes it back in the file's own
    // encoding when `change` returns true. Nothing is written, and `change` is not called, when the
    // file could not be read; a missing file is an empty document. The folder's lock
    // (DataFolderLock) is held from the read to the write.
    Status edit(const std::function<bool(IniDocument&)>& change);

private:
    // A missing file loads as an empty UTF-8 document; an unreadable one is an error.
    Status load(IniDocument& doc, TextEncoding& encoding) const;

    std::filesystem::path path_;
};

// The leading integer of a text as the C library's atoi reads it: blanks, an optional sign, digits;
// 0 when there are none. Clamped to the range of int instead of overflowing.
int leadingInt(std::string_view text);

} // namespace q417
