#include "app/device_session.h"

#include "device/hidraw_system.h"

namespace q417 {

DeviceSession::DeviceSession(DeviceStatusSink& status, MessageSink& messages, Sleeper* sleeper, HidSystem* hidSystem)
    : status_(status)
    , messages_(messages)
    , sleeper_(sleeper != nullptr ? *sleeper : realSleeper_)
    , hidSystem_(hidSystem) {}

DeviceSession::~DeviceSession() {
    saveState();
}

Status DeviceSession::open(const DeviceOptions& options, std::ostream& standardOutput) {
    if (options.simulate || options.simState) {
        simulated_ = std::make_unique<SimulatedMouse>();
        if (options.simState) {
            Status loaded = simulated_->loadState(*options.simState);
            if (!loaded.ok()) {
                return loaded;
            }
            statePath_ = options.simState;
        }
        backend_ = simulated_.get();
    } else {
        if (hidSystem_ == nullptr) {
            ownSystem_ = std::make_unique<HidrawSystem>();
            hidSystem_ = ownSystem_.get();
        }
        hid_ = std::make_unique<HidMouse>(*hidSystem_, messages_);
        backend_ = hid_.get();
    }
    if (options.trace) {
        trace_ = *options.trace == "-" ? std::make_unique<TraceSink>(standardOutput)
                                       : std::make_unique<TraceSink>(*options.trace);
        if (!trace_->isOpen()) {
            return Status::failure(ErrorKind::DataFile, "cannot open the trace file " + options.trace->string());
        }
    }
    transport_ = std::make_unique<Transport>(*backend_, sleeper_, status_, trace_.get());
    return Status::success();
}

Status DeviceSession::saveState() {
    if (!statePath_ || !simulated_) {
        return Status::success();
    }
    const std::filesystem::path path = *statePath_;
    statePath_.reset();
    return simulated_->saveState(path);
}

} // namespace q417
