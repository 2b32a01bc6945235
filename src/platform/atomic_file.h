#pragma once

#include "platform/result.h"

#include <filesystem>
#include <string_view>

namespace q417 {

// Replaces the file at `path` with `bytes` so that a reader sees either the old file whole or the
// new one whole: the bytes go to a temporary file in the same folder, are flushed to disk, and the
// temporary file is renamed over the old one. The old file's permission bits are kept, and its
// owner and group where this user may give them. On failure the old file is untouched and the
// status carries the errno of the call that failed.
//
// The file's own permission is honoured as opening it for writing would: a file this user may not
// write (or a folder, a device) is refused with that call's error, whatever its folder allows. A
// writable file in a folder that refuses the temporary file is written in place and flushed; that
// write is not atomic, but it fails before touching the file when the disk lacks room for it.
Status replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates a file that must not exist yet (EEXIST otherwise) with `bytes`, flushed to disk.
Status createNewFile(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file. A missing or unreadable file gives a failure; `maxBytes` guards against
// reading something absurd (a device node, a huge stray file) into memory.
Status readWholeFile(const std::filesystem::path& path, std::string& out, std::size_t maxBytes);

// Whether `name` is one of the temporary files a save of `fileName` makes beside it,
// ".NAME.XXXXXX" with six letters or digits, as a save killed half-way leaves it behind.
bool isTemporaryFileOf(std::string_view name, std::string_view fileName);

// Removes the temporary files that saves of `file` left beside it; returns how many. Only while no
// save of it can be running, that is, under the lock of its folder (DataFolderLock).
std::size_t removeTemporaryFilesOf(const std::filesystem::path& file);

// The folder a file lies in: "." for a bare file name.
std::filesystem::path folderOf(const std::filesystem::path& file);

} // namespace q417
