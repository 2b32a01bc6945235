#include "device/sleeper.h"

#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace q417 {

void RealSleeper::sleepMs(unsigned ms) {
    // The default timer slack lets the kernel wake us up to 50 us late; an apply sleeps almost a
    // hundred times, so ask for punctual wake-ups on this thread.
    thread_local const bool punctual = ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)punctual;
    // Sleep to an absolute deadline so that a signal cannot shorten or lengthen the pause.
    timespec deadline{};
    ::clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += static_cast<time_t>(ms / 1000);
    deadline.tv_nsec += static_cast<long>(ms % 1000) * 1'000'000L;
    if (deadline.tv_nsec >= 1'000'000'000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1'000'000'000L;
    }
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

} // namespace q417
