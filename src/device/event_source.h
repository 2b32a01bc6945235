#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace q417 {

// How a read of an input report ended.
struct ReportRead {
    enum class Status : std::uint8_t {
        Report,  // `length` bytes were read
        Nothing, // no report is waiting
        Gone,    // the collection failed or was unplugged; it gives nothing more
    };
    Status status = Status::Nothing;
    std::size_t length = 0;

    [[nodiscard]] bool ok() const { return status == Status::Report; }
};

// Input reports that a thread waits for in poll(): the event collection of the mouse, or what
// stands in for it. Reads may come from another thread than the one that opened the source.
class EventSource {
public:
    virtual ~EventSource() = default;

    // Polls readable while a report is waiting and once the source is gone; the same descriptor
    // for the life of the object. -1 when there is nothing to wait on.
    [[nodiscard]] virtual int pollFd() const = 0;

    // Takes the next waiting report without blocking. The report starts with its report ID byte
    // (0 when the interface does not number its reports); what does not fit `report` is dropped.
    virtual ReportRead readReport(std::span<std::uint8_t> report) = 0;
};

} // namespace q417
