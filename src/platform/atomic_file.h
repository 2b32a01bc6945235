#pragma once

#include "platform/result.h"

#include <filesystem>
#include <string_view>

namespace q417 {

// Replaces the file at `path` with `bytes` so that a reader sees either the old file whole or the
// new one whole: the bytes go to a temporary file in the same folder, are flushed to disk, and the
// temporary file is renamed over the old one. The old file's permission bits are kept. On failure
// the old file is untouched and the status carries the errno of the call that failed.
Status replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file. A missing or unreadable file gives a failure; `maxBytes` guards against
// reading something absurd (a device node, a huge stray file) into memory.
Status readWholeFile(const std::filesystem::path& path, std::string& out, std::size_t maxBytes);

// The folder a file lies in: "." for a bare file name.
std::filesystem::path folderOf(const std::filesystem::path& file);

} // namespace q417
