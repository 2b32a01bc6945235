#pragma once

#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace q417::test {

// The data folder's lock as another program takes it: its own open of the folder, so its own
// open file description, which flock(2) treats as a different holder even in this process.
class OtherProgramLock {
public:
    explicit OtherProgramLock(const std::filesystem::path& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    OtherProgramLock(const OtherProgramLock&) = delete;
    OtherProgramLock& operator=(const OtherProgramLock&) = delete;
    ~OtherProgramLock() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    // Takes the lock if it is free; false when someone holds it.
    bool tryTake() { return ::flock(fd_, LOCK_EX | LOCK_NB) == 0; }
    void release() { ::flock(fd_, LOCK_UN); }

private:
    int fd_;
};

// Whether anyone holds the folder's lock now, asked as another program would.
inline bool folderLocked(const std::filesystem::path& folder) {
    OtherProgramLock probe(folder);
    return !probe.tryTake();
}

} // namespace q417::test
