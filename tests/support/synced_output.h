#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace q417::test {

// An output stream one thread writes while another waits for what it wrote.
class SyncedOutput : private std::streambuf {
public:
    SyncedOutput()
        : stream_(this) {}
    SyncedOutput(const SyncedOutput&) = delete;
    SyncedOutput& operator=(const SyncedOutput&) = delete;

    std::ostream& stream() { return stream_; }

    // Waits until `text` was written; the bound only keeps a broken build from hanging.
    bool waitFor(std::string_view text) {
        std::unique_lock lock(mutex_);
        return written_.wait_for(lock, std::chrono::seconds(10), [&] { return text_.find(text) != std::string::npos; });
    }

    [[nodiscard]] std::string text() const {
        const std::lock_guard lock(mutex_);
        return text_;
    }

private:
    int_type overflow(int_type ch) override {
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            const char c = traits_type::to_char_type(ch);
            xsputn(&c, 1);
        }
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        {
            const std::lock_guard lock(mutex_);
            text_.append(s, static_cast<std::size_t>(n));
        }
        written_.notify_all();
        return n;
    }

    mutable std::mutex mutex_;
    std::condition_variable written_;
    std::string text_;
    std::ostream stream_;
};

} // namespace q417::test
