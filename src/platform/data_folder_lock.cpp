#include "platform/data_folder_lock.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace q417 {

// One per folder (by device and inode) for the life of the process. The kernel's flock belongs to
// an open file description, so a second open of the folder in the same process would wait for the
// first: the process keeps one descriptor per folder and counts how deep the holding thread is.
struct DataFolderLock::Entry {
    std::recursive_mutex threads; // held by the thread that holds the lock
    unsigned depth = 0;           // touched only by that thread
    int fd = -1;                  // flocked while depth > 0; -1 when the folder could not be locked
};

namespace {

bool realWait(unsigned attempts) {
    if (attempts >= DataFolderLock::kAttempts) {
        return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(DataFolderLock::kPauseMs));
    return true;
}

} // namespace

DataFolderLock::Entry& DataFolderLock::entryFor(unsigned long long device, unsigned long long inode) {
    // Entries are never removed, so a reference to one stays valid without the registry's mutex.
    static std::mutex mutex;
    static std::map<std::pair<unsigned long long, unsigned long long>, std::unique_ptr<Entry>> entries;
    const std::lock_guard guard(mutex);
    std::unique_ptr<Entry>& entry = entries[{device, inode}];
    if (!entry) {
        entry = std::make_unique<Entry>();
    }
    return *entry;
}

DataFolderLock::DataFolderLock(const std::filesystem::path& folder, const LockWait& wait) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return;
    }
    Entry* entry = &entryFor(info.st_dev, info.st_ino);
    entry->threads.lock();
    if (entry->depth == 0) {
        entry->fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (unsigned attempts = 1; entry->fd >= 0; ++attempts) {
            if (::flock(entry->fd, LOCK_EX | LOCK_NB) == 0) {
                break;
            }
            if (errno == EINTR) {
                continue;
            }
            if (errno != EWOULDBLOCK) {
                // Locks not supported here: go on unlocked rather than refuse to save.
                ::close(std::exchange(entry->fd, -1));
                break;
            }
            if (!(wait ? wait(attempts) : realWait(attempts))) {
                ::close(std::exchange(entry->fd, -1));
                entry->threads.unlock();
                status_ = Status::failure(ErrorKind::DataFile,
                                          "the folder " + folder.string() +
                                              " is kept locked by another program of this mouse; nothing was changed",
                                          EWOULDBLOCK);
                return;
            }
        }
    }
    ++entry->depth;
    entry_ = entry;
}

DataFolderLock::~DataFolderLock() {
    if (entry_ == nullptr) {
        return;
    }
    if (--entry_->depth == 0 && entry_->fd >= 0) {
        // Closing the only descriptor of the open file description releases the flock.
        ::close(std::exchange(entry_->fd, -1));
    }
    entry_->threads.unlock();
}

} // namespace q417
