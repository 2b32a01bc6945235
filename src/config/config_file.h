#pragma once

#include "config/mouse_config.h"
#include "platform/message_sink.h"
#include "platform/result.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace q417 {

// config.bin: the first-run flag, then the record byte for byte. Nothing else: no header, no
// checksum, so a file of any other length is not ours and is left alone.
inline constexpr std::size_t kConfigFileSize = 1 + sizeof(MouseConfig);

inline constexpr const char* kTextConfigMissing = "Config file is not exist.";
inline constexpr const char* kCaptionSaveFailed = "NULL ==fp ";

class ConfigFile {
public:
    ConfigFile(std::filesystem::path path, MessageSink& messages)
        : path_(std::move(path))
        , messages_(messages) {}

    // Fills `config` and the flag from the file. A missing file is reported to the user and
    // leaves both as they were; a file of the wrong size, or one that cannot be read, is left
    // alone. The status says which file and what is wrong with it.
    Status loadConfig(MouseConfig& config);

    // The tray program's start-up: loadConfig(), except for a file that exists but cannot be
    // loaded. That one is reported to the user (which file, what is wrong with it), its bytes are
    // kept beside it as "config.bin.damaged-YYYYMMDD-HHMMSS" (local time `now`; a name already
    // taken gets "-2", "-3", ...), and `config` becomes the factory settings with flag 0, so that
    // a zero record never reaches the mouse. A file whose bytes could not be kept is never
    // replaced by a later save of this object.
    Status loadOrRecover(MouseConfig& config, std::time_t now);

    // Writes flag 1 and the record. The file is never created: a missing one is reported. The
    // old file is replaced atomically, so a failed save leaves it whole; the failure is reported
    // with the system's error number. The data folder's lock is held for the write.
    Status saveConfig(const MouseConfig& config) { return saveWithFlag(config, 1); }

    // The same, with a flag of the caller's choosing (a rebuild of the macro slots keeps the flag).
    Status saveWithFlag(const MouseConfig& config, std::uint8_t flag);

    // The flag read by the last load: 0 when nothing was loaded.
    [[nodiscard]] std::uint8_t firstRunFlag() const { return firstRunFlag_; }
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    // Why the file cannot be loaded; `reason` in words, for people.
    struct Unusable {
        ErrorKind kind;
        std::string reason;
        int systemError;
        enum Problem { Missing, Unreachable, NotAFile, Unreadable, WrongSize } problem;
    };
    // Reads the file into `bytes`, or says why it cannot be loaded.
    std::optional<Unusable> read(std::string& bytes) const;
    // Copies the file to the first free "damaged" name; `keptName` is that name.
    Status keepCopy(std::time_t now, std::string& keptName) const;

    std::filesystem::path path_;
    MessageSink& messages_;
    std::uint8_t firstRunFlag_ = 0;
    Status keepFailure_; // why a damaged file could not be kept; saves are refused then
};

// The bytes of config.bin for a record and flag; used by the save and by the factory files.
std::string configFileBytes(const MouseConfig& config, std::uint8_t flag);

} // namespace q417
