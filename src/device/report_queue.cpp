#include "device/report_queue.h"

#include <algorithm>
#include <sys/eventfd.h>

namespace q417 {

ReportQueue::ReportQueue()
    : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

void ReportQueue::push(std::span<const std::uint8_t> report) {
    const std::lock_guard lock(mutex_);
    if (gone_) {
        return;
    }
    reports_.emplace_back(report.begin(), report.end());
    updateSignal();
}

void ReportQueue::setGone(bool gone) {
    const std::lock_guard lock(mutex_);
    if (gone_ == gone) {
        return;
    }
    gone_ = gone;
    reports_.clear();
    updateSignal();
}

ReportRead ReportQueue::readReport(std::span<std::uint8_t> report) {
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    const std::lock_guard lock(mutex_);
    if (gone_) {
        return {ReportRead::Status::Gone, 0};
    }
    if (reports_.empty()) {
        return {ReportRead::Status::Nothing, 0};
    }
    const std::vector<std::uint8_t>& front = reports_.front();
    const std::size_t length = std::min(front.size(), report.size());
    std::copy_n(front.begin(), length, report.begin());
    reports_.pop_front();
    updateSignal();
    return {ReportRead::Status::Report, length};
}

// Called with the lock held, so the counter always agrees with the queue.
void ReportQueue::updateSignal() {
    const bool wanted = gone_ || !reports_.empty();
    if (wanted == signalled_ || !fd_.valid()) {
        return;
    }
    if (wanted) {
        signalled_ = ::eventfd_write(fd_.get(), 1) == 0;
    } else {
        // Resets the counter; a failed read means it was zero already.
        eventfd_t value = 0;
        (void)::eventfd_read(fd_.get(), &value);
        signalled_ = false;
    }
}

} // namespace q417
