#include "ctl/ctl_commands.h"

#include "config/apply_sequence.h"
#include "config/config_file.h"
#include "config/config_report.h"
#include "config/device_commands.h"
#include "ctl/ctl_messages.h"
#include "macro/macro_library.h"
#include "texts/button_labels.h"

namespace q417 {

namespace {

// config.bin as it is now: a missing or malformed file is a data-file error, never a zero record.
struct LoadedConfig {
    LoadedConfig(const DataPaths& paths, std::ostream& err)
        : messages(err)
        , file(paths.configFile(), messages) {}
    StderrMessages messages;
    ConfigFile file;
    MouseConfig config{};
};

Status report(StderrMessages& messages, Status status) {
    messages.explain(status);
    return status;
}

// A device failure naming the macro slots the mouse read back otherwise than written.
Status macroSlotsNotStored(const std::vector<unsigned>& slots) {
    if (slots.empty()) {
        return Status::success();
    }
    std::string list;
    for (const unsigned slot : slots) {
        list += (list.empty() ? "" : ", ") + std::to_string(slot);
    }
    return Status::failure(ErrorKind::Device, std::string("the mouse did not store macro slot") +
                                                  (slots.size() > 1 ? "s " : " ") + list +
                                                  ": reading back gave other bytes than were written");
}

Status connect(CtlContext& ctx, std::unique_ptr<CtlMouse>& mouse) {
    Status opened = CtlMouse::open(ctx.mouse, ctx.out, ctx.err, mouse);
    if (!opened.ok()) {
        ctx.err << "q417ctl: " << opened.message << '\n';
        return opened;
    }
    switch (mouse->backend().openDevice()) {
    case DeviceOpen::Opened:
        break;
    case DeviceOpen::NotFound:
        ctx.err << "q417ctl: the mouse (USB 04d9:a09f) was not found\n";
        return Status::failure(ErrorKind::Device, "not found");
    case DeviceOpen::AccessDenied: // the back end has said why and what to do
        return Status::failure(ErrorKind::Device, "no access");
    }
    mouse->transport().comment("handshake");
    mouse->transport().handshake();
    if (!mouse->transport().deviceReady()) {
        ctx.err << "q417ctl: the mouse is not ready: it did not answer the link handshake\n";
        return Status::failure(ErrorKind::Device, "not ready");
    }
    return Status::success();
}

} // namespace

Status ctlDetect(CtlContext& ctx) {
    std::unique_ptr<CtlMouse> mouse;
    Status status = connect(ctx, mouse);
    if (status.kind == ErrorKind::Device && mouse) {
        ctx.out << status.message << '\n';
        return status;
    }
    if (!status.ok()) {
        return status;
    }
    DeviceCommands(mouse->transport(), mouse->image()).readSensorBlock();
    ctx.out << "ready, sensor kind " << unsigned{mouse->image().sensorKind} << '\n';
    return mouse->finish(ctx.err);
}

Status ctlApply(CtlContext& ctx) {
    // config.bin is read, sent and saved as one step: another program's save waits for it.
    const DataFolderLock lock(ctx.paths.dir(), ctx.lockWait);
    LoadedConfig loaded(ctx.paths, ctx.err);
    if (!lock.status().ok()) {
        return report(loaded.messages, lock.status());
    }
    Status status = loaded.file.loadConfig(loaded.config);
    if (!status.ok()) {
        return report(loaded.messages, status);
    }
    std::unique_ptr<CtlMouse> mouse;
    status = connect(ctx, mouse);
    if (!status.ok()) {
        return status;
    }
    mouse->transport().comment("sensor block refresh");
    DeviceCommands(mouse->transport(), mouse->image()).refreshSensorBlock();

    IniFile uiSettings(ctx.paths.uiSettings());
    const Language language = readLanguage(uiSettings);
    const KeyLabels labels = readButtonLabels(uiSettings, language);
    Status labelsSaved;
    mouse->transport().comment("apply");
    const ApplyOutcome outcome = applyConfig(loaded.config, mouse->image(), mouse->transport(), loaded.file,
                                             [&] { labelsSaved = writeButtonLabels(uiSettings, language, labels); });
    Status notStored = macroSlotsNotStored(outcome.macroSlotsNotStored);
    if (!notStored.ok()) {
        ctx.err << "q417ctl: " << notStored.message << '\n';
    }
    if (!outcome.saved.ok()) {
        return report(loaded.messages, outcome.saved);
    }
    if (!labelsSaved.ok()) {
        return report(loaded.messages, labelsSaved);
    }
    status = mouse->finish(ctx.err);
    if (!status.ok()) {
        return status;
    }
    if (!notStored.ok()) {
        return notStored;
    }
    ctx.out << "applied to the mouse (sensor kind " << unsigned{mouse->image().sensorKind} << "); saved "
            << ctx.paths.configFile().string() << '\n';
    return Status::success();
}

Status ctlShow(CtlContext& ctx) {
    LoadedConfig loaded(ctx.paths, ctx.err);
    Status status = loaded.file.loadConfig(loaded.config);
    if (!status.ok()) {
        return report(loaded.messages, status);
    }
    ctx.out << "data folder: " << ctx.paths.describe() << '\n';
    ctx.out << describeConfig(loaded.config, loaded.file.firstRunFlag());
    return status;
}

Status ctlMacrosList(CtlContext& ctx) {
    // A record.ini that cannot be read is a failure, not a library without macros.
    if (Status readable = IniFile(ctx.paths.macroLibrary()).readable(); !readable.ok()) {
        ctx.err << "q417ctl: " << readable.message << '\n';
        return readable;
    }
    const MacroLibrary library(ctx.paths.macroLibrary());
    const std::vector<std::string> names = library.listMacroNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i < kMacroSlotCount) {
            ctx.out << "slot " << i + 1 << ": " << names[i] << '\n';
        } else {
            ctx.out << "no slot: " << names[i] << '\n';
        }
    }
    return Status::success();
}

Status ctlMacrosCompile(CtlContext& ctx) {
    const DataFolderLock lock(ctx.paths.dir(), ctx.lockWait);
    LoadedConfig loaded(ctx.paths, ctx.err);
    if (!lock.status().ok()) {
        return report(loaded.messages, lock.status());
    }
    Status status = loaded.file.loadConfig(loaded.config);
    if (!status.ok()) {
        return report(loaded.messages, status);
    }
    if (status = IniFile(ctx.paths.macroLibrary()).readable(); !status.ok()) {
        return report(loaded.messages, status);
    }
    const MacroLibrary library(ctx.paths.macroLibrary());
    library.compileMacroSlots(loaded.config);
    status = loaded.file.saveWithFlag(loaded.config, loaded.file.firstRunFlag());
    if (!status.ok()) {
        return report(loaded.messages, status);
    }
    ctx.out << "macro slots rebuilt from " << library.path().string() << '\n';
    return status;
}

} // namespace q417
