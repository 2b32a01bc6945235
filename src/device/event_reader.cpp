#include "device/event_reader.h"

#include <array>
#include <cerrno>
#include <optional>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <system_error>

namespace q417 {

namespace {

constexpr std::size_t kKindIndex = 1;
constexpr std::size_t kValueIndex = 3;

} // namespace

EventReader::EventReader(ReadyCheck ready, Handler handler)
    : ready_(std::move(ready))
    , handler_(std::move(handler))
    , wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

EventReader::~EventReader() {
    stop();
}

bool EventReader::start() {
    if (thread_.joinable()) {
        return true;
    }
    if (!wakeFd_.valid()) {
        return false;
    }
    stopping_ = false;
    handOverPending_ = false;
    try {
        thread_ = std::thread([this] { readerLoop(); });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void EventReader::stop() {
    stopping_ = true;
    wake();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void EventReader::setSource(std::shared_ptr<EventSource> source) {
    std::shared_ptr<EventSource> previous;
    {
        const std::lock_guard lock(sourceMutex_);
        previous = std::exchange(current_.source, std::move(source));
        ++current_.generation;
    }
    wake();
    // `previous` may hold the last reference: let it go outside the lock.
}

void EventReader::wake() {
    if (wakeFd_.valid()) {
        (void)::eventfd_write(wakeFd_.get(), 1);
    }
}

void EventReader::eventHandled() {
    handOverPending_ = false;
    wake();
}

bool EventReader::isForwardedKind(std::uint8_t kind) {
    return kind == 5 || kind == 7 || kind == 8 || kind == 9;
}

EventReader::Current EventReader::current() {
    const std::lock_guard lock(sourceMutex_);
    return current_;
}

void EventReader::readerLoop() {
    // Named, so that tools listing the program's threads can tell the reader apart.
    (void)pthread_setname_np(pthread_self(), "q417-events");
    std::array<std::uint8_t, kReportBufferSize> report{};
    // The generation of a source whose read failed: it is not polled again, or a pulled-out
    // device would keep poll() returning at once.
    std::optional<std::uint64_t> goneGeneration;
    for (;;) {
        // Wake-ups are drained before the state is looked at, so none that follows is lost.
        drainWake();
        if (stopping_) {
            return;
        }
        Current now = current();
        const bool usable = now.source && goneGeneration != now.generation && ready_();
        if (!usable) {
            waitForWake();
            continue;
        }
        std::array<pollfd, 2> fds{{{wakeFd_.get(), POLLIN, 0}, {now.source->pollFd(), POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno != EINTR) {
                goneGeneration = now.generation; // a source poll() refuses would make it spin
            }
            continue;
        }
        if (fds[0].revents != 0 || fds[1].revents == 0) {
            continue; // something changed: look again
        }
        if (!ready_()) {
            continue; // the mouse went away while the read was pending
        }
        report.fill(0);
        const ReportRead read = now.source->readReport(report);
        if (read.status == ReportRead::Status::Gone) {
            goneGeneration = now.generation;
            continue;
        }
        if (read.ok() && read.length > 0 && report[0] == kEventReportId && isForwardedKind(report[kKindIndex])) {
            handOver(static_cast<DeviceStatusCode>(report[kKindIndex]), report[kValueIndex]);
        }
    }
}

void EventReader::handOver(DeviceStatusCode kind, int value) {
    // Marked before the handler runs, so a hand-over handled at once is not waited for.
    handOverPending_ = true;
    handler_(kind, value);
    while (handOverPending_ && !stopping_) {
        waitForWake();
        drainWake();
    }
}

void EventReader::waitForWake() {
    pollfd fd{wakeFd_.get(), POLLIN, 0};
    (void)::poll(&fd, 1, -1);
}

void EventReader::drainWake() {
    eventfd_t value = 0;
    (void)::eventfd_read(wakeFd_.get(), &value);
}

} // namespace q417
