#include "app/gui_options.h"

#include "platform/data_paths.h"

namespace q417 {

namespace {

constexpr const char* kHelpText = R"(Usage: Tarvell-Q417 [OPTIONS]

The configurator of the gaming mouse (USB 04d9:a09f). It starts in the system tray: click the
tray icon to open the window; right-click it for Profiles (save, load, import and export a
whole setup) and Exit.

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
    const auto valueOf = [&](std::size_t& i, const std::string& name) -> std::optional<std::string> {
        const std::string& arg = args[i];
        if (arg == name) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                o.error = name + " needs a value";
                return std::nullopt;
            }
            return args[++i];
        }
        if (arg.rfind(name + "=", 0) == 0 && arg.size() > name.size() + 1) {
            return arg.substr(name.size() + 1);
        }
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size() && o.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            o.help = true;
        } else if (arg == "--simulate") {
            o.device.simulate = true;
        } else if (auto dir = valueOf(i, "--data-dir")) {
            o.dataDir = *dir;
        } else if (auto state = valueOf(i, "--sim-state")) {
            o.device.simState = *state;
            o.device.simulate = true;
        } else if (auto trace = valueOf(i, "--trace")) {
            o.device.trace = *trace;
        } else if (o.error.empty()) {
            o.error = "unknown argument " + arg;
        }
    }
    return o;
}

} // namespace q417
