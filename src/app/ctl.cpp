#include "app/ctl.h"

#include "config/config_file.h"
#include "config/config_report.h"
#include "platform/data_paths.h"

#include <optional>

namespace q417 {

namespace {

constexpr const char* kHelp = R"(Usage: q417ctl [OPTIONS] COMMAND

Headless companion of the gaming mouse configurator (USB 04d9:a09f).

Commands:
  show             print config.bin in readable form: every field by name, and each
                   button's function and parameters in both key modes

Options:
  --data-dir DIR   folder holding config.bin, record.ini and str.ini
                   (default: the folder of the executable)
  -h, --help       print this help and exit

Exit codes: 0 success; 1 mouse not found or not ready; 2 usage error;
3 data-file error (config.bin missing, unreadable or not 1986 bytes).
)";

// Messages the user must see go to stderr as one line each.
class StderrMessages : public MessageSink {
public:
    explicit StderrMessages(std::ostream& err)
        : err_(err) {}
    void showMessage(const std::string& text, const std::string& caption) override {
        std::string line = caption.empty() ? text : caption + ": " + text;
        while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) {
            line.pop_back();
        }
        err_ << "q417ctl: " << line << '\n';
    }

private:
    std::ostream& err_;
};

struct Options {
    std::optional<std::filesystem::path> dataDir;
    std::vector<std::string> command;
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

int usageError(std::ostream& err, const std::string& what) {
    err << "q417ctl: " << what << " (see q417ctl --help)\n";
    return kExitUsage;
}

int commandShow(const DataPaths& paths, std::ostream& out, std::ostream& err) {
    StderrMessages messages(err);
    ConfigFile file(paths.configFile(), messages);
    MouseConfig config{};
    const Status status = file.loadConfig(config);
    if (!status.ok()) {
        if (status.kind != ErrorKind::NotFound) { // the missing file was reported already
            err << "q417ctl: " << status.message << '\n';
        }
        return exitCodeFor(status.kind);
    }
    out << describeConfig(config, file.firstRunFlag());
    return kExitOk;
}

} // namespace

int runCtl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            out << kHelp;
            return kExitOk;
        }
        if (arg == "--data-dir") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                return usageError(err, "--data-dir needs a folder");
            }
            options.dataDir = args[++i];
        } else if (arg.rfind("--data-dir=", 0) == 0) {
            options.dataDir = arg.substr(11);
        } else if (!arg.empty() && arg[0] == '-' && options.command.empty()) {
            return usageError(err, "unknown option " + arg);
        } else {
            options.command.push_back(arg);
        }
    }
    if (options.command.empty()) {
        return usageError(err, "no command given");
    }
    const DataPaths paths = DataPaths::resolve(options.dataDir);
    if (options.command == std::vector<std::string>{"show"}) {
        return commandShow(paths, out, err);
    }
    return usageError(err, "unknown command '" + options.command[0] + "'");
}

} // namespace q417
