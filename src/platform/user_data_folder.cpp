#include "platform/user_data_folder.h"

#include "platform/atomic_file.h"
#include "platform/xdg_folders.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace q417 {

namespace {

constexpr std::size_t kMaxFactoryFileBytes = 1 << 20;
constexpr int kTemporaryNameTries = 100;

Status systemFailure(const std::string& what, const std::filesystem::path& path) {
    const int error = errno;
    return Status::failure(ErrorKind::DataFile, what + " " + path.string() + ": " + std::strerror(error), error);
}

Status writeNewFile(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return Status::failure(ErrorKind::DataFile, std::strerror(errno), errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(fd) == 0 ? Status::success() : Status::failure(ErrorKind::DataFile, std::strerror(errno), errno);
}

// Moves `from` to `to` unless `to` exists: another copy of the program starting at the same time
// may have seeded it first, and a user's file is never replaced.
Status moveIntoPlaceUnlessThere(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return Status::success();
    }
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system without that kind of rename: a hard link is made only where no name is.
        if (::link(from.c_str(), to.c_str()) == 0 || errno == EEXIST) {
            return Status::success();
        }
    } else if (errno == EEXIST) {
        return Status::success();
    }
    return systemFailure("cannot create", to);
}

// Copies a factory file into the data folder, whole or not at all: the bytes go to a new temporary
// file beside the target first.
Status seedFile(const std::filesystem::path& factory, const std::filesystem::path& target) {
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) {
        return Status::success();
    }
    std::string bytes;
    if (const Status read = readWholeFile(factory, bytes, kMaxFactoryFileBytes); !read.ok()) {
        return Status::failure(ErrorKind::NotFound,
                               "the factory file " + factory.string() + " cannot be read; is the program installed?",
                               read.systemError);
    }
    std::filesystem::path temporary;
    int fd = -1;
    for (int i = 0; i < kTemporaryNameTries && fd < 0; ++i) {
        temporary = target.parent_path() / ("." + target.filename().string() + ".seed-" + std::to_string(::getpid()) +
                                            "-" + std::to_string(i));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return systemFailure("cannot create", temporary);
        }
    }
    if (fd < 0) {
        return systemFailure("cannot create", temporary);
    }
    Status status = writeNewFile(fd, bytes);
    if (::close(fd) != 0 && status.ok()) {
        status = systemFailure("cannot write", temporary);
    }
    if (status.ok()) {
        status = moveIntoPlaceUnlessThere(temporary, target);
    } else {
        status.message = "cannot write " + temporary.string() + ": " + status.message;
    }
    ::unlink(temporary.c_str()); // left only when the rename did not take it
    return status;
}

} // namespace

Status prepareDataFolder(const DataPaths& paths) {
    if (paths.kind() != DataFolderKind::User) {
        return Status::success();
    }
    if (Status made = makeUserFolder(paths.dir()); !made.ok()) {
        return made;
    }
    for (const char* name : {"config.bin", "str.ini"}) {
        if (Status seeded = seedFile(paths.sharedDir() / name, paths.dir() / name); !seeded.ok()) {
            return seeded;
        }
    }
    return Status::success();
}

} // namespace q417
