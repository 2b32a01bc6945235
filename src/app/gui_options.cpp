#include "app/gui_options.h"

#include "platform/data_paths.h"
#include "platform/option_value.h"

namespace q417 {

namespace {

constexpr const char* kHelpText = R"(Usage: Tarvell-Q417 [OPTIONS]

The configurator of the gaming mouse (USB 04d9:a09f). It starts in the system tray: click the
tray icon to open the window; right-click it for Profiles (save, load, import, export and
delete whole setups) and Exit.

Options:
  --data-dir DIR     folder holding config.bin, record.ini, str.ini and Skins/; without
                     it, the executable's folder when it holds config.bin (a build tree
                     or a portable copy), else the user's own $XDG_CONFIG_HOME/q417
                     (~/.config/q417), made on the first start from the installed factory
                     config.bin and str.ini and never overwritten afterwards. Skins are
                     looked for in its Skins/ first, then in the installed ones
  --simulate         use the built-in simulated mouse instead of a real one
  --sim-state FILE   like --simulate, with the simulated mouse's memory loaded from this
                     JSON file when it exists and written back at exit
  --trace FILE       append one line per exchange with the mouse to FILE (- for standard
                     output); see q417ctl --help for the format
  -h, --help         print this help and exit

A value may also follow its option after an equals sign: --data-dir=~/mouse.

The advanced page's pointer speed, precision, wheel lines and double-click speed go to the
desktop named by XDG_CURRENT_DESKTOP: GNOME and its relatives through GSettings, KDE Plasma
through its configuration files; --simulate does not change that.
)";

} // namespace

std::ostream& operator<<(std::ostream& out, GuiHelp) {
    return out << kHelpText << "\nData folder: " << DataPaths::resolve(std::nullopt).describe() << '\n';
}

GuiOptions parseGuiOptions(const std::vector<std::string>& args) {
    GuiOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool missing = false;
        if (auto dir = optionValue(args, i, "--data-dir", missing)) {
            o.dataDir = *dir;
        } else if (auto state = optionValue(args, i, "--sim-state", missing)) {
            o.device.simState = *state;
            o.device.simulate = true;
        } else if (auto trace = optionValue(args, i, "--trace", missing)) {
            o.device.trace = *trace;
        } else if (missing) {
            o.error = arg.substr(0, arg.find('=')) + " needs a value";
        } else if (arg == "-h" || arg == "--help") {
            o.help = true;
        } else if (arg == "--simulate") {
            o.device.simulate = true;
        } else {
            o.error = "unknown argument " + arg;
        }
        if (!o.error.empty()) {
            break;
        }
    }
    return o;
}

} // namespace q417
