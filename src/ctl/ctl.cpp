#include "ctl/ctl.h"

#include "ctl/ctl_commands.h"
#include "platform/interrupted_saves.h"
#include "platform/option_value.h"
#include "platform/user_data_folder.h"
#include "platform/xdg_folders.h"

#include <functional>
#include <optional>

namespace q417 {

namespace {

constexpr const char* kHelp = R"(Usage: q417ctl [OPTIONS] COMMAND

Headless companion of the gaming mouse configurator (USB 04d9:a09f).

Commands:
  detect           open the mouse and run the link handshake; print "ready" and the
                   sensor kind, or "not found", "no access" or "not ready"
  apply            connect as on a device arrival (open, handshake, sensor block
                   refresh), then write the whole configuration of config.bin to the
                   mouse in its fixed order; config.bin is saved (flag 1) and the
                   button labels of the current language in str.ini are written back.
                   System pointer settings are not touched.
  watch            follow the mouse until interrupted (Ctrl+C): one line per arrival
                   and removal of one of its interfaces, per link status and per event
                   the mouse reports (its tray balloon text in English, such as
                   "Switch DPI into the second stage 1250"); reads config.bin for the
                   DPI values
  show             print the data folder in use and config.bin in readable form: every
                   field by name, and each button's function, parameters and key word
                   in both key modes
  macros list      the macros of record.ini in file order with their slot numbers
  macros compile   rebuild the macro slots of config.bin from record.ini, as saving
                   a macro does, and write config.bin back with its flag unchanged
  profile list | save NAME | load NAME | export FILE | import FILE | delete NAME
                   a profile is the whole setup (config.bin, the macros of
                   record.ini, the button labels of str.ini) as one JSON file. save
                   keeps the setup as a named profile in the data folder's profiles/,
                   load puts a named one back, export writes the setup to FILE and
                   import reads it from FILE (- for standard output or input). load
                   and import check the whole profile first, refuse a bad one with the
                   path of its first bad field and change nothing then; they replace
                   the three files together and change only the files, unless
                   --apply is given: then the mouse is written as apply does
  autostart on|off|status
                   start the tray program (Tarvell-Q417, beside q417ctl) at login in
                   the system tray, or no longer: writes or removes the user's XDG
                   autostart entry in ~/.config/autostart

Options:
  --data-dir DIR     folder holding config.bin, record.ini and str.ini; without it,
                     the executable's folder when it holds config.bin (a build tree
                     or a portable copy), else the user's own $XDG_CONFIG_HOME/q417
                     (~/.config/q417), made on first use from the installed factory
                     config.bin and str.ini and never overwritten afterwards
  --simulate         use the built-in simulated mouse instead of a real one
  --sim-state FILE   like --simulate, with the simulated mouse's memory loaded from
                     this JSON file when it exists and written back at exit. Keys, all
                     optional: "sensorBlock" [4 bytes], "reportRate" n,
                     "effectBlock" [3], "ledParams" [[3],[3]], "configBlocks"
                     [[24],[24]], "dpiStages" [8], "keyMatrices" [[64],[64],[64],[64]],
                     "macroSlots" [12 arrays of 128]
  --trace FILE       append one line per exchange with the mouse to FILE (- for
                     standard output):
                       SET b0 .. b7   feature report sent (frame before scrambling)
                       GET b0 .. b7   feature report read (frame after unscrambling)
                       OUT d0 .. d31  output report
                       IN d0 .. d31   input report of the control collection
                       SLEEP n        pacing pause of n milliseconds
                       # text         comment
  --apply            with profile load or import: write the mouse afterwards
  -h, --help         print this help and exit

A value may also follow its option after an equals sign: --data-dir=~/mouse.

Without --simulate or --sim-state the commands use the mouse plugged into this
computer, through its hidraw nodes. Opening them needs the udev rule
60-q417-mouse.rules (installed by "cmake --install"); without it q417ctl says
"no access" and how to fix it.

apply and macros compile read, change and save the data files as one step, and
so do the tray program's saves: while one program of this mouse does that in a
data folder, the others wait for it, for at most 5 seconds; then they fail with
exit code 3 and change nothing.

Exit codes: 0 success; 1 mouse not found, not accessible or not ready, or it
did not store what apply wrote (a macro slot read back otherwise); 2 usage
error; 3 data-file error (config.bin missing, unreadable or not 1986 bytes, a
file that cannot be written, a malformed simulator state file, a data folder
kept locked by another program).
)";

struct Options {
    std::optional<std::filesystem::path> dataDir;
    CtlMouseOptions mouse;
    std::vector<std::string> command;
    bool applyToMouse = false;
};

int exitCodeFor(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::None:
        return kExitOk;
    case ErrorKind::Device:
        return kExitNoMouse;
    case ErrorKind::Usage:
        return kExitUsage;
    case ErrorKind::NotFound:
    case ErrorKind::DataFile:
        return kExitDataFile;
    }
    return kExitDataFile;
}

std::filesystem::path programDir(const CtlSeams& seams) {
    return seams.programDir.empty() ? DataPaths::executableDir() : seams.programDir;
}

// The data folder, chosen as the tray program chooses it.
DataPaths dataPaths(const std::optional<std::filesystem::path>& dataDir, const CtlSeams& seams) {
    return DataPaths::choose(
        {dataDir, programDir(seams), seams.configHome.empty() ? xdgConfigHome() : seams.configHome});
}

int usageError(std::ostream& err, const std::string& what) {
    err << "q417ctl: " << what << " (see q417ctl --help)\n";
    return kExitUsage;
}

using Command = Status (*)(CtlContext&);

struct CommandEntry {
    std::vector<std::string> words;
    Command run = nullptr;
    bool usesDataFiles = true; // the data folder is made ready first
};

const CommandEntry* findCommand(const std::vector<std::string>& words) {
    static const std::vector<CommandEntry> commands{
        {{"detect"}, ctlDetect},
        {{"apply"}, ctlApply},
        {{"watch"}, ctlWatch},
        {{"show"}, ctlShow},
        {{"macros", "list"}, ctlMacrosList},
        {{"macros", "compile"}, ctlMacrosCompile},
        {{"profile", "list"}, ctlProfileList},
        {{"profile", "save"}, ctlProfileSave},
        {{"profile", "load"}, ctlProfileLoad},
        {{"profile", "export"}, ctlProfileExport},
        {{"profile", "import"}, ctlProfileImport},
        {{"profile", "delete"}, ctlProfileDelete},
        {{"autostart", "on"}, ctlAutostartOn, false},
        {{"autostart", "off"}, ctlAutostartOff, false},
        {{"autostart", "status"}, ctlAutostartStatus, false},
    };
    for (const CommandEntry& command : commands) {
        if (command.words == words) {
            return &command;
        }
    }
    return nullptr;
}

} // namespace

int runCtl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CtlSeams& seams) {
    Options options;
    options.mouse.sleeper = seams.sleeper;
    options.mouse.hidSystem = seams.hidSystem;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool malformed = false;
        if (arg == "-h" || arg == "--help") {
            out << kHelp << "\nData folder: " << dataPaths(options.dataDir, seams).describe() << '\n';
            return kExitOk;
        }
        if (auto dir = optionValue(args, i, "--data-dir", malformed)) {
            options.dataDir = *dir;
        } else if (auto state = optionValue(args, i, "--sim-state", malformed)) {
            options.mouse.simState = *state;
            options.mouse.simulate = true;
        } else if (auto trace = optionValue(args, i, "--trace", malformed)) {
            options.mouse.trace = *trace;
        } else if (malformed) {
            return usageError(err, arg.substr(0, arg.find('=')) + " needs a value");
        } else if (arg == "--simulate") {
            options.mouse.simulate = true;
        } else if (arg == "--apply") {
            options.applyToMouse = true;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return usageError(err, "unknown option " + arg);
        } else {
            options.command.push_back(arg);
        }
    }
    if (options.command.empty()) {
        return usageError(err, "no command given");
    }
    // A profile command's name or file follows its two words.
    std::vector<std::string> operands;
    if (options.command.size() > 2 && options.command[0] == "profile") {
        operands.assign(options.command.begin() + 2, options.command.end());
        options.command.resize(2);
    }
    const CommandEntry* command = findCommand(options.command);
    if (command == nullptr) {
        std::string words;
        for (const std::string& w : options.command) {
            words += (words.empty() ? "" : " ") + w;
        }
        return usageError(err, "unknown command '" + words + "'");
    }
    CtlContext ctx{dataPaths(options.dataDir, seams),
                   options.mouse,
                   out,
                   err,
                   seams.monitor,
                   seams.stopFd,
                   seams.lockWait,
                   programDir(seams),
                   seams.configHome.empty() ? xdgConfigHome() : seams.configHome,
                   operands,
                   options.applyToMouse,
                   seams.in};
    if (command->usesDataFiles) {
        if (const Status prepared = prepareDataFolder(ctx.paths); !prepared.ok()) {
            err << "q417ctl: " << prepared.message << '\n';
            return exitCodeFor(prepared.kind);
        }
        removeInterruptedSaves(ctx.paths, ctx.lockWait);
    }
    return exitCodeFor(command->run(ctx).kind);
}

} // namespace q417
