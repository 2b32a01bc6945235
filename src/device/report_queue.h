#pragma once

#include "device/event_source.h"
#include "device/unique_fd.h"

#include <cstdint>
#include <deque>
#include <mutex>
#include <span>
#include <vector>

namespace q417 {

// Input reports queued by one thread and taken by another, with a descriptor to wait on: the
// simulated mouse's event collection, and a hand-over between threads. Thread-safe.
class ReportQueue final : public EventSource {
public:
    ReportQueue();

    // Queues a copy of `report`; dropped while the queue is gone.
    void push(std::span<const std::uint8_t> report);

    // Gone: waiting reports are dropped, reads fail and the descriptor stays readable, as on an
    // unplugged device. Back: an empty queue again. Setting what already holds changes nothing.
    void setGone(bool gone);

    // An eventfd, readable while a report waits or the queue is gone; -1 when none could be made,
    // and then nobody can wait for the queue.
    [[nodiscard]] int pollFd() const override { return fd_.get(); }

    // The report's bytes, then zeros up to the end of `report`.
    ReportRead readReport(std::span<std::uint8_t> report) override;

private:
    void updateSignal();

    std::mutex mutex_;
    std::deque<std::vector<std::uint8_t>> reports_;
    bool gone_ = false;
    bool signalled_ = false;
    UniqueFd fd_;
};

} // namespace q417
