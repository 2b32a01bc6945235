#include "app/ctl_mouse.h"

#include "device/hidraw_system.h"

namespace q417 {

CtlMouse::CtlMouse(std::ostream& err)
    : messages_(err) {}

Status CtlMouse::open(const CtlMouseOptions& options, std::ostream& stdoutStream, std::ostream& err,
                      std::unique_ptr<CtlMouse>& out) {
    auto mouse = std::make_unique<CtlMouse>(err);
    if (options.simulate || options.simState) {
        mouse->simulated_ = std::make_unique<SimulatedMouse>();
        if (options.simState) {
            Status loaded = mouse->simulated_->loadState(*options.simState);
            if (!loaded.ok()) {
                return loaded;
            }
            mouse->statePath_ = options.simState;
        }
        mouse->backend_ = mouse->simulated_.get();
    } else {
        HidSystem* system = options.hidSystem;
        if (system == nullptr) {
            mouse->ownSystem_ = std::make_unique<HidrawSystem>();
            system = mouse->ownSystem_.get();
        }
        mouse->hid_ = std::make_unique<HidMouse>(*system, mouse->messages_);
        mouse->backend_ = mouse->hid_.get();
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
        std::make_unique<Transport>(*mouse->backend_, options.sleeper != nullptr ? *options.sleeper : mouse->sleeper_,
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
