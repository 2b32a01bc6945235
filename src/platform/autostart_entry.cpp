#include "platform/autostart_entry.h"

#include "platform/atomic_file.h"
#include "platform/xdg_folders.h"

#include <algorithm>
#include <string_view>

namespace q417 {

namespace {

constexpr std::size_t kMaxEntryBytes = std::size_t{64} * 1024;

// One argument of an Exec key: quoted when it holds a character the key reserves, with ", `, $
// and \ escaped inside the quotes; then escaped again as a desktop entry string (\ doubled) and
// with % doubled, as the desktop entry format asks.
std::string execArgument(std::string_view argument) {
    constexpr std::string_view kReserved = " \t\"'\\><~|&;$*?#()`";
    std::string quoted;
    if (argument.find_first_of(kReserved) == std::string_view::npos) {
        quoted = argument;
    } else {
        quoted = "\"";
        for (const char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                quoted += '\\';
            }
            quoted += c;
        }
        quoted += '"';
    }
    std::string escaped;
    for (const char c : quoted) {
        if (c == '\\' || c == '%') {
            escaped += c;
        }
        escaped += c;
    }
    return escaped;
}

std::string_view trimmed(std::string_view line) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r';
    };
    while (!line.empty() && blank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && blank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

} // namespace

Status AutostartEntry::text(const std::filesystem::path& trayProgram, std::string& out) {
    const std::string& program = trayProgram.native();
    if (std::any_of(program.begin(), program.end(), [](char c) { return c == '\n' || c == '\r'; })) {
        return Status::failure(ErrorKind::Usage, "the path " + program + " cannot be written into an autostart entry");
    }
    out = "[Desktop Entry]\n"
          "Type=Application\n"
          "Name=Q417 Mouse Configurator\n"
          "Comment=Starts the Q417 mouse configurator in the system tray\n"
          "Icon=example.tarvell.q417\n"
          "Exec=" +
          execArgument(program) +
          "\n"
          "Terminal=false\n"
          "X-GNOME-Autostart-enabled=true\n";
    return Status::success();
}

Status AutostartEntry::enable(const std::filesystem::path& trayProgram) const {
    std::string entry;
    if (Status made = text(trayProgram, entry); !made.ok()) {
        return made;
    }
    if (Status folder = makeUserFolder(file_.parent_path()); !folder.ok()) {
        return folder;
    }
    Status written = replaceFileAtomically(file_, entry);
    if (!written.ok()) {
        written.message = "cannot write " + file_.string() + ": " + written.message;
    }
    return written;
}

Status AutostartEntry::disable() const {
    std::error_code ec;
    std::filesystem::remove(file_, ec);
    if (ec) {
        return Status::failure(ErrorKind::DataFile, "cannot remove " + file_.string() + ": " + ec.message(),
                               ec.value());
    }
    return Status::success();
}

bool AutostartEntry::enabled() const {
    std::string entry;
    if (!readWholeFile(file_, entry, kMaxEntryBytes).ok()) {
        return false;
    }
    std::string_view rest = entry;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            const std::string_view key = trimmed(line.substr(0, equals));
            const std::string_view value = trimmed(line.substr(equals + 1));
            if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false")) {
                return false;
            }
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return true;
}

} // namespace q417
