#pragma once

#include "platform/result.h"

#include <filesystem>
#include <functional>

namespace q417 {

// Called while another process holds a folder's lock, before the next attempt to take it, with the
// number of attempts made so far. Returns false to give up.
using LockWait = std::function<bool(unsigned attempts)>;

// Every read-modify-write of the data files runs under this lock, so that two programs working on
// the same folder at once (the tray program, q417ctl apply, q417ctl macros compile) never save over
// each other's changes. It is an advisory flock(2) on the folder itself: nothing is created in it,
// and it works in a folder the user cannot write.
//
// The lock belongs to the thread that took it and nests: a thread that holds it takes it again at
// once (a save inside a command that already holds it), other threads of the process wait for it.
// Between processes it is tried every 10 ms for up to 5 seconds; a process that keeps it longer (a
// stopped one) makes the taking fail with a message saying so, instead of hanging the program.
// A folder that cannot be opened (missing, unreadable) or does not support locks is not locked: the
// file operations then fail, or go on, on their own.
class DataFolderLock {
public:
    static constexpr unsigned kPauseMs = 10;
    static constexpr unsigned kAttempts = 500;

    // Takes the lock of `folder`; `wait` replaces the pauses between attempts (null: real pauses).
    explicit DataFolderLock(const std::filesystem::path& folder, const LockWait& wait = {});
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Failure: another process kept the lock; nothing is held then.
    [[nodiscard]] const Status& status() const { return status_; }

private:
    struct Entry;
    // The process's entry for a folder, made on first use and kept for the life of the process.
    static Entry& entryFor(unsigned long long device, unsigned long long inode);

    Entry* entry_ = nullptr; // null when nothing is held
    Status status_;
};

} // namespace q417
