#pragma once

#include "device/device_status_sink.h"
#include "device/event_source.h"
#include "device/unique_fd.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace q417 {

// The mouse's event reports, read on a thread of their own. The thread blocks in poll() on the
// event collection and on an eventfd of its own, never on a time-out: a new event collection,
// a change of readiness, a handled event and stop() wake it.
//
// An event report with ID 6 and kind 5, 7, 8 or 9 goes to the handler as (kind, byte 3); every
// other report is dropped. Reports are read only while `ready` says the mouse is ready.
//
// Hand-over: the handler runs on the reader thread and must not block. It passes the event on to
// the user-interface thread, which calls eventHandled() once it has shown it; the reader reads
// nothing more until then. That wait is the reader's own, so stop() ends it: stop() never
// depends on the user-interface thread and cannot deadlock with it. With Qt:
//
//     EventReader reader{[&] { return transport.deviceReady(); }, [&](DeviceStatusCode kind, int value) {
//         QMetaObject::invokeMethod(&window, [&, kind, value] {
//             window.deviceStatus(kind, value);
//             reader.eventHandled();
//         }, Qt::QueuedConnection);
//     }};
//
// (not Qt::BlockingQueuedConnection: that would block the handler). setSource(), wake(), start()
// and stop() belong to the user-interface thread; eventHandled() may come from any thread.
class EventReader {
public:
    using ReadyCheck = std::function<bool()>;
    using Handler = std::function<void(DeviceStatusCode kind, int value)>;

    static constexpr std::uint8_t kEventReportId = 6;
    static constexpr std::size_t kReportBufferSize = 40; // longer event reports are cut

    // `ready` and `handler` are called on the reader thread.
    EventReader(ReadyCheck ready, Handler handler);
    ~EventReader(); // stops and joins
    EventReader(const EventReader&) = delete;
    EventReader& operator=(const EventReader&) = delete;

    // Starts the thread unless it runs; false when it cannot run (no eventfd or no thread).
    bool start();
    // Wakes the thread, ends a pending hand-over and joins. Safe to call more than once.
    void stop();
    [[nodiscard]] bool running() const { return thread_.joinable(); }

    // The event collection to read from now; null for none. The reader lets go of the one before.
    void setSource(std::shared_ptr<EventSource> source);
    // Makes the reader look at readiness again.
    void wake();
    // The event last handed over has been handled.
    void eventHandled();

    [[nodiscard]] static bool isForwardedKind(std::uint8_t kind);

private:
    struct Current {
        std::shared_ptr<EventSource> source;
        std::uint64_t generation = 0;
    };

    void readerLoop();
    Current current();
    void handOver(DeviceStatusCode kind, int value);
    void waitForWake();
    void drainWake();

    ReadyCheck ready_;
    Handler handler_;
    UniqueFd wakeFd_;
    std::mutex sourceMutex_;
    Current current_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> handOverPending_{false};
    std::thread thread_;
};

} // namespace q417
