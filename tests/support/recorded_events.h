#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

namespace q417::test {

// Events handed over by the reader thread, kept for the test thread to wait for and look at.
class RecordedEvents {
public:
    struct Event {
        int kind;
        int value;
        bool operator==(const Event&) const = default;
    };

    void add(int kind, int value) {
        {
            const std::lock_guard lock(mutex_);
            events_.push_back({kind, value});
        }
        changed_.notify_all();
    }

    // Waits until at least `count` events came; the bound only keeps a broken build from hanging.
    bool waitForCount(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return events_.size() >= count; });
    }

    [[nodiscard]] std::vector<Event> events() const {
        const std::lock_guard lock(mutex_);
        return events_;
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Event> events_;
};

} // namespace q417::test
