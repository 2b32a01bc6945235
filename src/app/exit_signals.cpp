#include "app/exit_signals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace q417 {

namespace {

constexpr std::array<int, 3> kExitSignals{SIGTERM, SIGINT, SIGHUP};

// The pipe's write end, for the handler: a signal handler can reach nothing but globals. Set before
// the handlers are installed and cleared after they are removed.
volatile std::sig_atomic_t writeFd = -1;

extern "C" void onExitSignal(int number) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full pipe already holds a pending exit; nothing more to say.
    [[maybe_unused]] const ssize_t written = ::write(writeFd, &byte, 1);
    errno = saved;
}

void setHandlers(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kExitSignals) {
        sigaction(number, &action, nullptr);
    }
}

} // namespace

ExitSignals::ExitSignals(QObject* parent)
    : QObject(parent) {
    std::array<int, 2> fds{-1, -1};
    if (::pipe2(fds.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readFd_ = fds[0];
    writeFd = fds[1];
    notifier_ = std::make_unique<QSocketNotifier>(readFd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ExitSignals::drain);
    setHandlers(onExitSignal);
}

ExitSignals::~ExitSignals() {
    if (readFd_ < 0) {
        return;
    }
    setHandlers(SIG_DFL);
    notifier_.reset();
    ::close(writeFd);
    writeFd = -1;
    ::close(readFd_);
}

void ExitSignals::drain() {
    unsigned char byte = 0;
    while (::read(readFd_, &byte, 1) == 1) {
        emit received(byte);
    }
}

} // namespace q417
