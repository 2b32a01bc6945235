#include "ctl/ctl_mouse.h"

namespace q417 {

CtlMouse::CtlMouse(std::ostream& err, const CtlMouseOptions& options)
    : messages_(err)
    , session_(status_, messages_, options.sleeper, options.hidSystem) {}

Status CtlMouse::open(const CtlMouseOptions& options, std::ostream& stdoutStream, std::ostream& err,
                      std::unique_ptr<CtlMouse>& out) {
    auto mouse = std::make_unique<CtlMouse>(err, options);
    Status status = mouse->session_.open(options, stdoutStream);
    if (!status.ok()) {
        return status;
    }
    out = std::move(mouse);
    return status;
}

Status CtlMouse::finish(std::ostream& err) {
    const Status saved = session_.saveState();
    const Status traced = session_.traceStatus();
    for (const Status& status : {saved, traced}) {
        if (!status.ok()) {
            err << "q417ctl: " << status.message << '\n';
        }
    }
    return saved.ok() ? traced : saved;
}

} // namespace q417
