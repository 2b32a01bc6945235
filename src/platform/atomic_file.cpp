#include "platform/atomic_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace q417 {

namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    [[nodiscard]] int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

Status failure(const std::string& what, const std::filesystem::path& path, int err) {
    return Status::failure(ErrorKind::DataFile, what + " " + path.string() + ": " + std::strerror(err), err);
}

// A folder, a device or a pipe where a data file belongs.
Status notRegular(const std::string& what, const std::filesystem::path& path, const struct stat& info) {
    const bool folder = S_ISDIR(info.st_mode);
    return Status::failure(ErrorKind::DataFile,
                           what + " " + path.string() + ": " + (folder ? "it is a folder" : "it is not a regular file"),
                           folder ? EISDIR : EINVAL);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Overwrites the open file with `bytes` from its start. Used only where the folder refuses a
// temporary file: not atomic, so room for a longer text is reserved first, and a disk too full for
// it fails before a byte of the old text is touched.
Status writeInPlace(int fd, const struct stat& old, const std::filesystem::path& target, std::string_view bytes) {
    const auto size = static_cast<off_t>(bytes.size());
    if (size > old.st_size) {
        const int err = ::posix_fallocate(fd, 0, size);
        if (err == ENOSPC || err == EFBIG || err == EDQUOT) {
            return failure("cannot write", target, err);
        }
    }
    if (!writeAll(fd, bytes) || ::ftruncate(fd, size) != 0 || ::fsync(fd) != 0) {
        return failure("cannot write", target, errno);
    }
    return Status::success();
}

// The new file goes on with the old one's owner and group when this user may give them (root saving
// a user's file), so that the user can still save it afterwards.
void keepOwner(int fd, const struct stat& old) {
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) {
        return;
    }
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Neither may be given: the file stays this user's, as any new file would.
    }
}

constexpr std::string_view kTempSuffix = "XXXXXX"; // mkstemp's: six letters or digits

bool isLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

bool isTemporaryFileOf(std::string_view name, std::string_view fileName) {
    const std::size_t stem = fileName.size() + 2; // ".NAME."
    return name.size() == stem + kTempSuffix.size() && name[0] == '.' && name.substr(1, fileName.size()) == fileName &&
           name[stem - 1] == '.' &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(stem), name.end(), isLetterOrDigit);
}

std::size_t removeTemporaryFilesOf(const std::filesystem::path& file) {
    std::size_t removed = 0;
    std::error_code ec;
    const std::string fileName = file.filename().string();
    for (auto it = std::filesystem::directory_iterator(folderOf(file), ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::filesystem::path& entry = it->path();
        struct stat info {};
        if (isTemporaryFileOf(entry.filename().string(), fileName) && ::lstat(entry.c_str(), &info) == 0 &&
            S_ISREG(info.st_mode) && ::unlink(entry.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

Status replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    // Write through a symbolic link to its target rather than replacing the link itself.
    std::error_code ec;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, ec)) {
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec) {
            return failure("cannot resolve", path, ec.value());
        }
    }

    // The file's own permission decides, as it would for opening it for writing: a read-only file is
    // not replaced just because its folder is writable.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        return failure("cannot write", target, errno);
    }
    if (exists && !S_ISREG(old.st_mode)) {
        return notRegular("cannot write", target, old);
    }
    FileDescriptor existing(exists ? ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC) : -1);
    if (exists && existing.get() < 0) {
        return failure("cannot write", target, errno);
    }

    std::string tempName =
        (folderOf(target) / ("." + target.filename().string() + "." + std::string(kTempSuffix))).string();
    FileDescriptor fd(::mkstemp(tempName.data()));
    if (fd.get() < 0) {
        // A folder that refuses new files still lets a writable file be saved, in place.
        return exists ? writeInPlace(existing.get(), old, target, bytes) : failure("cannot write", target, errno);
    }
    const auto cleanUp = [&tempName](int err) {
        ::unlink(tempName.c_str());
        return err;
    };

    if (exists) {
        keepOwner(fd.get(), old);
    }
    const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd.get(), mode) != 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
        return failure("cannot write", target, cleanUp(errno));
    }
    if (::close(fd.release()) != 0) {
        return failure("cannot write", target, cleanUp(errno));
    }
    if (::rename(tempName.c_str(), target.c_str()) != 0) {
        return failure("cannot replace", target, cleanUp(errno));
    }
    // Make the rename itself durable; a failure here no longer endangers the data.
    FileDescriptor dir(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return Status::success();
}

Status createNewFile(const std::filesystem::path& path, std::string_view bytes) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        return failure("cannot create", path, errno);
    }
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || ::close(fd.release()) != 0) {
        const int err = errno;
        ::unlink(path.c_str());
        return failure("cannot write", path, err);
    }
    return Status::success();
}

Status readWholeFile(const std::filesystem::path& path, std::string& out, std::size_t maxBytes) {
    out.clear();
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        return failure("cannot read", path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return failure("cannot read", path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return notRegular("cannot read", path, info);
    }
    std::array<char, std::size_t{64} * 1024> buffer{};
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failure("cannot read", path, errno);
        }
        if (n == 0) {
            return Status::success();
        }
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            return failure("too large:", path, EFBIG);
        }
        out.append(buffer.data(), static_cast<std::size_t>(n));
    }
}

} // namespace q417
