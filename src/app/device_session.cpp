#include "app/device_session.h"

namespace q417 {

DeviceSession::DeviceSession(DeviceStatusSink& status, Sleeper* sleeper)
    : status_(status)
    , sleeper_(sleeper != nullptr ? *sleeper : realSleeper_) {}

DeviceSession::~DeviceSession() {
    saveState();
}

Status DeviceSession::open(const DeviceOptions& options, std::ostream& standardOutput) {
    if (!options.simulate && !options.simState) {
        return Status::failure(ErrorKind::Device, "no real mouse back end in this build yet: only the simulated "
                                                  "mouse is available (use --simulate or --sim-state FILE)");
    }
    simulated_ = std::make_unique<SimulatedMouse>();
    if (options.simState) {
        Status loaded = simulated_->loadState(*options.simState);
        if (!loaded.ok()) {
            return loaded;
        }
        statePath_ = options.simState;
    }
    if (options.trace) {
        trace_ = *options.trace == "-" ? std::make_unique<TraceSink>(standardOutput)
                                       : std::make_unique<TraceSink>(*options.trace);
        if (!trace_->isOpen()) {
            return Status::failure(ErrorKind::DataFile, "cannot open the trace file " + options.trace->string());
        }
    }
    transport_ = std::make_unique<Transport>(*simulated_, sleeper_, status_, trace_.get());
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
