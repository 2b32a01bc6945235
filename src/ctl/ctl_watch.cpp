// q417ctl watch: the mouse followed as the tray program follows it, one line per happening.
#include "config/config_file.h"
#include "config/device_commands.h"
#include "ctl/ctl_commands.h"
#include "ctl/ctl_messages.h"
#include "device/event_reader.h"
#include "device/mouse_connection.h"
#include "device/mouse_ids.h"
#include "device/report_queue.h"
#include "device/udev_monitor.h"
#include "device/unique_fd.h"
#include "texts/device_balloons.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <optional>
#include <poll.h>
#include <sys/signalfd.h>

namespace q417 {

namespace {

// SIGINT and SIGTERM as a descriptor to poll. They are blocked from construction on, before the
// reader thread starts, so that thread inherits the block and the signals come only here.
class InterruptFd {
public:
    InterruptFd() {
        sigemptyset(&signals_);
        sigaddset(&signals_, SIGINT);
        sigaddset(&signals_, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &signals_, &previous_);
        fd_.reset(::signalfd(-1, &signals_, SFD_CLOEXEC | SFD_NONBLOCK));
    }
    ~InterruptFd() {
        // Take what came, or unblocking would deliver it and end the process.
        signalfd_siginfo info{};
        while (fd_.valid() && ::read(fd_.get(), &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    InterruptFd(const InterruptFd&) = delete;
    InterruptFd& operator=(const InterruptFd&) = delete;

    [[nodiscard]] int fd() const { return fd_.get(); }

private:
    sigset_t signals_{};
    sigset_t previous_{};
    UniqueFd fd_;
};

// One line per device status, as the tray shows it: the English balloon text, or the bare code
// and value of an event that shows no balloon.
class StatusLines final : public DeviceStatusSink {
public:
    StatusLines(std::ostream& out, const MouseConfig& config, const DeviceImage& image)
        : out_(out)
        , config_(config)
        , image_(image) {}

    void deviceStatus(DeviceStatusCode code, int value) override {
        if (const auto balloon = balloonFor(code, value, Language::English, config_, image_.sensorKind)) {
            line(balloon->text);
        } else {
            line("event kind " + std::to_string(static_cast<int>(code)) + ", value " + std::to_string(value));
        }
    }

    // Flushed line by line: someone is reading as it happens.
    void line(const std::string& text) { out_ << text << '\n' << std::flush; }

private:
    std::ostream& out_;
    const MouseConfig& config_;
    const DeviceImage& image_;
};

} // namespace

Status ctlWatch(CtlContext& ctx) {
    StderrMessages messages(ctx.err);
    ConfigFile configFile(ctx.paths.configFile(), messages);
    MouseConfig config{};
    Status status = configFile.loadConfig(config); // the DPI values of the stage balloons
    if (!status.ok()) {
        messages.explain(status);
        return status;
    }
    std::unique_ptr<CtlMouse> mouse;
    status = CtlMouse::open(ctx.mouse, ctx.out, ctx.err, mouse);
    if (!status.ok()) {
        ctx.err << "q417ctl: " << status.message << '\n';
        return status;
    }

    std::optional<InterruptFd> interrupt;
    int stopFd = ctx.stopFd;
    if (stopFd < 0) {
        interrupt.emplace();
        stopFd = interrupt->fd();
    }
    // The simulated mouse is never plugged in or out.
    std::unique_ptr<UdevMonitor> udev;
    DeviceMonitor* monitor = ctx.monitor;
    if (monitor == nullptr && !mouse->simulated()) {
        udev = std::make_unique<UdevMonitor>();
        if (!udev->ok()) {
            ctx.err << "q417ctl: no udev monitor: arrivals and removals go unseen\n";
        }
        monitor = udev.get();
    }

    StatusLines lines(ctx.out, config, mouse->image());
    mouse->onStatus([&](DeviceStatusCode code, int value) { lines.deviceStatus(code, value); });
    Transport& transport = mouse->transport();
    DeviceCommands commands(transport, mouse->image());
    // Events cross from the reader thread to this one through a queue; this loop is the
    // user-interface thread that hands each one back as handled.
    ReportQueue handedOver;
    EventReader reader(
        [&] { return transport.deviceReady(); },
        [&](DeviceStatusCode kind, int value) {
            const std::array<std::uint8_t, 2> event{static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(value)};
            handedOver.push(event);
        });
    MouseConnection connection(mouse->backend(), transport, reader, lines,
                               {[&] {
                                    transport.comment("sensor block refresh");
                                    commands.refreshSensorBlock();
                                },
                                {}});

    if (connection.start() == DeviceOpen::Opened && transport.deviceReady()) {
        commands.readSensorBlock(); // the sensor kind names the DPI values
    }
    for (;;) {
        std::array<pollfd, 3> fds{{{stopFd, POLLIN, 0},
                                   {handedOver.pollFd(), POLLIN, 0},
                                   {monitor != nullptr ? monitor->fd() : -1, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (fds[0].revents != 0) {
            break;
        }
        if (fds[1].revents != 0) {
            std::array<std::uint8_t, 2> event{};
            while (handedOver.readReport(event).ok()) {
                lines.deviceStatus(static_cast<DeviceStatusCode>(event[0]), event[1]);
                reader.eventHandled();
            }
        }
        if (fds[2].revents != 0) {
            monitor->processPending([&](const DeviceChange& change) {
                if (isMouseDevicePath(change.devpath)) {
                    const bool arrival = change.kind == DeviceChange::Kind::Arrival;
                    lines.line((arrival ? "arrival " : "removal ") +
                               (change.devnode.empty() ? change.devpath : change.devnode));
                }
                connection.onDeviceChange(change);
            });
        }
    }
    reader.stop();
    return mouse->finish(ctx.err);
}

} // namespace q417
