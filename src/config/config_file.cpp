#include "config/config_file.h"

#include "config/factory_defaults.h"
#include "platform/atomic_file.h"
#include "platform/data_folder_lock.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/stat.h>

namespace q417 {

namespace {

// Far more than any settings file; a damaged file larger than this is not copied.
constexpr std::size_t kMaxKeptBytes = std::size_t{16} * 1024 * 1024;

std::string reasonOf(int err) {
    return std::strerror(err);
}

// "config.bin.damaged-20260102-030405": the file's name and the local time of the start.
std::string damagedName(const std::filesystem::path& path, std::time_t now) {
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return path.filename().string() + ".damaged-" + stamp;
}

} // namespace

std::string configFileBytes(const MouseConfig& config, std::uint8_t flag) {
    std::string bytes(kConfigFileSize, '\0');
    bytes[0] = static_cast<char>(flag);
    std::memcpy(bytes.data() + 1, &config, sizeof(MouseConfig));
    return bytes;
}

std::optional<ConfigFile::Unusable> ConfigFile::read(std::string& bytes) const {
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0) {
        const int err = errno;
        if (err == ENOENT) {
            return Unusable{ErrorKind::NotFound, "there is no such file", err, Unusable::Missing};
        }
        return Unusable{ErrorKind::DataFile, "it cannot be reached (" + reasonOf(err) + ")", err,
                        Unusable::Unreachable};
    }
    if (S_ISDIR(info.st_mode)) {
        return Unusable{ErrorKind::DataFile, "it is a folder", EISDIR, Unusable::NotAFile};
    }
    if (!S_ISREG(info.st_mode)) {
        return Unusable{ErrorKind::DataFile, "it is not a regular file", EINVAL, Unusable::NotAFile};
    }
    // Reading one byte more than the size tells a too-long file from a right one.
    const Status read = readWholeFile(path_, bytes, kConfigFileSize + 1);
    if (!read.ok() && read.systemError != EFBIG) {
        return Unusable{ErrorKind::DataFile, "it cannot be read (" + reasonOf(read.systemError) + ")", read.systemError,
                        Unusable::Unreadable};
    }
    if (!read.ok() || bytes.size() != kConfigFileSize) {
        return Unusable{ErrorKind::DataFile,
                        "it is " + std::to_string(read.ok() ? bytes.size() : static_cast<std::size_t>(info.st_size)) +
                            " bytes long, not a settings file of " + std::to_string(kConfigFileSize) + " bytes",
                        0, Unusable::WrongSize};
    }
    return std::nullopt;
}

Status ConfigFile::loadConfig(MouseConfig& config) {
    std::string bytes;
    if (const std::optional<Unusable> unusable = read(bytes)) {
        if (unusable->problem == Unusable::Missing) {
            messages_.showMessage(kTextConfigMissing, "");
        }
        return Status::failure(unusable->kind, path_.string() + " cannot be loaded: " + unusable->reason,
                               unusable->systemError);
    }
    firstRunFlag_ = static_cast<std::uint8_t>(bytes[0]);
    std::memcpy(&config, bytes.data() + 1, sizeof(MouseConfig));
    return Status::success();
}

Status ConfigFile::loadOrRecover(MouseConfig& config, std::time_t now) {
    std::string bytes;
    const std::optional<Unusable> unusable = read(bytes);
    if (!unusable || unusable->problem == Unusable::Missing) {
        return loadConfig(config);
    }
    std::string text = "The settings file " + path_.string() + " cannot be used: " + unusable->reason + ". ";
    if (unusable->problem == Unusable::WrongSize || unusable->problem == Unusable::Unreadable) {
        // Nothing may replace the file before its bytes are safe under another name.
        std::string kept;
        const Status copied = keepCopy(now, kept);
        if (copied.ok()) {
            text += "It was kept as " + kept + ". ";
        } else {
            keepFailure_ = copied;
            text += "It could not be kept under another name (" + copied.message + "), so it will not be replaced. ";
        }
    }
    text += "The factory settings are loaded instead.";
    messages_.showMessage(text, "");
    config = factoryConfig();
    firstRunFlag_ = 0;
    return Status::failure(unusable->kind, path_.string() + " cannot be loaded: " + unusable->reason,
                           unusable->systemError);
}

Status ConfigFile::keepCopy(std::time_t now, std::string& keptName) const {
    std::string bytes;
    if (Status read = readWholeFile(path_, bytes, kMaxKeptBytes); !read.ok()) {
        return read;
    }
    const std::string base = damagedName(path_, now);
    // A copy kept at an earlier start stays; this one takes the next free name.
    for (int n = 1; n < 100; ++n) {
        keptName = n == 1 ? base : base + "-" + std::to_string(n);
        Status created = createNewFile(folderOf(path_) / keptName, bytes);
        if (created.systemError != EEXIST) {
            return created;
        }
    }
    return Status::failure(ErrorKind::DataFile, "too many copies named " + base, EEXIST);
}

Status ConfigFile::saveWithFlag(const MouseConfig& config, std::uint8_t flag) {
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0 && errno == ENOENT) {
        messages_.showMessage(kTextConfigMissing, "");
        return Status::failure(ErrorKind::NotFound, path_.string() + " cannot be saved: there is no such file", ENOENT);
    }
    Status status = keepFailure_;
    if (status.ok()) {
        // Another program of this mouse may be rewriting the folder's files; wait for it.
        const DataFolderLock lock(folderOf(path_));
        status = lock.status().ok() ? replaceFileAtomically(path_, configFileBytes(config, flag)) : lock.status();
    } else {
        status.message =
            path_.string() + " was not replaced: its damaged bytes could not be kept (" + status.message + ")";
    }
    if (!status.ok()) {
        messages_.showMessage("Error Code is: " + std::to_string(status.systemError) + " \n", kCaptionSaveFailed);
    }
    return status;
}

} // namespace q417
