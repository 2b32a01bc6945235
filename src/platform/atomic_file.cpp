#include "platform/atomic_file.h"

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

} // namespace

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

    std::string tempName = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor fd(::mkstemp(tempName.data()));
    if (fd.get() < 0) {
        return failure("cannot write", target, errno);
    }
    const auto cleanUp = [&tempName](int err) {
        ::unlink(tempName.c_str());
        return err;
    };

    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
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
    FileDescriptor dir(
        ::open(target.parent_path().empty() ? "." : target.parent_path().c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
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
        return failure("cannot read", path, EINVAL);
    }
    std::array<char, 64 * 1024> buffer{};
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
