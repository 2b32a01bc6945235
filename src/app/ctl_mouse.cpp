#include "app/ctl_mouse.h"

namespace q417 {

Status CtlMouse::open(const CtlMouseOptions& options, std::ostream& stdoutStream, std::unique_ptr<CtlMouse>& out) {
    if (!options.simulate && !options.simState) {
        return Status::failure(ErrorKind::Device,
                               "no real mouse back end in this build yet: only the simulated mouse is available "
                               "(use --simulate or --sim-state FILE)");
    }
    auto mouse = std::make_unique<CtlMouse>();
    mouse->simulated_ = std::make_unique<SimulatedMouse>();
    if (options.simState) {
        Status loaded = mouse->simulated_->loadState(*options.simState);
        if (!loaded.ok()) {
            return loaded;
        }
        mouse->statePath_ = options.simState;
    }
    if (options.trace) {
        if (*options.trace == "-") {
            mouse->trace_ = std::make_unique<TraceSink>(stdoutStream);
        } else {
            mouse->trace_ = std::make_unique<TraceSink>(*options.trace);
            if (!mouse->trace_->isOpen()) {
                return Status::failure(ErrorKind::DataFile, "cannot open the trace file " + options.trace->string());
            }
        }
    }
    mouse->transport_ =
        std::make_unique<Transport>(*mouse->simulated_, options.sleeper != nullptr ? *options.sleeper : mouse->sleeper_,
                                    mouse->status_, mouse->trace_.get());
    out = std::move(mouse);
    return Status::success();
}

CtlMouse::~CtlMouse() {
    saveState();
}

Status CtlMouse::saveState() {
    if (!statePath_ || !simulated_) {
        return Status::success();
    }
    const std::filesystem::path path = *statePath_;
    statePath_.reset();
    return simulated_->saveState(path);
}

} // namespace q417
