#include "ctl/ctl_commands.h"
#include "platform/autostart_entry.h"

namespace q417 {

namespace {

Status report(CtlContext& ctx, Status status) {
    if (!status.ok()) {
        ctx.err << "q417ctl: " << status.message << '\n';
    }
    return status;
}

Status needConfigHome(CtlContext& ctx) {
    if (ctx.configHome.empty()) {
        return report(ctx,
                      Status::failure(ErrorKind::DataFile,
                                      "no folder for the autostart entry: neither XDG_CONFIG_HOME nor HOME is set"));
    }
    return Status::success();
}

} // namespace

Status ctlAutostartOn(CtlContext& ctx) {
    if (Status known = needConfigHome(ctx); !known.ok()) {
        return known;
    }
    const std::filesystem::path program = ctx.programDir / kTrayProgramName;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(program, ec)) {
        return report(ctx,
                      Status::failure(ErrorKind::NotFound, "the tray program " + program.string() +
                                                               " is not there; it is started from beside q417ctl"));
    }
    const AutostartEntry entry(ctx.configHome);
    if (Status written = entry.enable(program); !written.ok()) {
        return report(ctx, written);
    }
    ctx.out << "autostart on: " << program.string() << " starts in the system tray at login (" << entry.file().string()
            << ")\n";
    return Status::success();
}

Status ctlAutostartOff(CtlContext& ctx) {
    if (Status known = needConfigHome(ctx); !known.ok()) {
        return known;
    }
    const AutostartEntry entry(ctx.configHome);
    if (Status removed = entry.disable(); !removed.ok()) {
        return report(ctx, removed);
    }
    ctx.out << "autostart off: " << entry.file().string() << " is gone\n";
    return Status::success();
}

Status ctlAutostartStatus(CtlContext& ctx) {
    if (Status known = needConfigHome(ctx); !known.ok()) {
        return known;
    }
    const AutostartEntry entry(ctx.configHome);
    if (entry.enabled()) {
        ctx.out << "autostart on (" << entry.file().string() << ")\n";
    } else {
        ctx.out << "autostart off\n";
    }
    return Status::success();
}

} // namespace q417
