#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "ctl/ctl.h"
#include "support/recording_sleeper.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace q417 {
namespace {

using test::TempDir;

struct CtlRun {
    int code = -1;
    std::string err;
};

// q417ctl run by an ordinary user (see runAsOrdinaryUser), with the simulated mouse; its stderr
// comes back through a pipe.
std::optional<CtlRun> ctlAsOrdinaryUser(const std::vector<std::string>& args) {
    int pipeFds[2] = {-1, -1};
    if (::pipe(pipeFds) != 0) {
        return std::nullopt;
    }
    const std::optional<int> code = test::runAsOrdinaryUser([&] {
        ::close(pipeFds[0]);
        std::ostringstream out;
        std::ostringstream err;
        test::RecordingSleeper sleeper;
        CtlSeams seams;
        seams.sleeper = &sleeper;
        const int result = runCtl(args, out, err, seams);
        const std::string text = err.str();
        const bool written = ::write(pipeFds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::close(pipeFds[1]);
        return written ? result : 100;
    });
    ::close(pipeFds[1]);
    CtlRun run;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        run.err.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    if (!code) {
        return std::nullopt;
    }
    run.code = *code;
    return run;
}

struct MessageCase {
    const char* name;
    std::function<void(const TempDir&)> damage; // done as the owner of the data folder
    std::vector<std::string> command;
    std::vector<std::string> lines; // what each line of stderr says, in order; "DIR" is the folder
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

// What an ordinary user reads when q417ctl cannot load or save a data file: the line the tray
// program's message box shows, if there is one, then the file and the reason in words.
class CtlFailureMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(CtlFailureMessages, NameTheFileAndTheReason) {
    const MessageCase& c = GetParam();
    TempDir dir;
    dir.write("config.bin", configFileBytes(factoryConfig(), 1));
    dir.write("str.ini", factoryUiSettingsText());
    dir.write("record.ini", "[m]\nItemCount=1\nItem0=A   Dn\n");
    ::chmod(dir.path().c_str(), 0777); // the ordinary user may make files in it
    c.damage(dir);
    std::vector<std::string> args{"--data-dir", dir.path().string(), "--simulate"};
    for (std::string arg : c.command) {
        if (const std::size_t at = arg.find("DIR"); at != std::string::npos) {
            arg.replace(at, 3, dir.path().string());
        }
        args.push_back(arg);
    }
    const std::optional<CtlRun> r = ctlAsOrdinaryUser(args);
    // What the case took away, given back, so the folder can be removed whoever runs the tests.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        std::error_code ec;
        if (!entry.is_symlink(ec) && entry.is_directory(ec)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ec);
        }
    }
    ASSERT_TRUE(r.has_value()) << "could not run as an ordinary user";
    EXPECT_EQ(r->code, kExitDataFile) << r->err;
    std::istringstream lines(r->err);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        if (count < c.lines.size()) {
            std::string expected = c.lines[count];
            for (std::size_t at; (at = expected.find("DIR")) != std::string::npos;) {
                expected.replace(at, 3, dir.path().string());
            }
            EXPECT_NE(line.find(expected), std::string::npos) << line << "\nexpected: " << expected;
        }
    }
    EXPECT_EQ(count, c.lines.size()) << r->err;
}

void chmodFile(const TempDir& dir, const char* name, mode_t mode) {
    ::chmod((dir / name).c_str(), mode);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CtlFailureMessages,
    ::testing::Values(
        MessageCase{"ReadOnlyConfigOnCompile",
                    [](const TempDir& d) { chmodFile(d, "config.bin", 0444); },
                    {"macros", "compile"},
                    {"NULL ==fp : Error Code is: 13", "cannot write DIR/config.bin: Permission denied"}},
        MessageCase{"ReadOnlyConfigOnApply",
                    [](const TempDir& d) { chmodFile(d, "config.bin", 0444); },
                    {"apply"},
                    {"NULL ==fp : Error Code is: 13", "cannot write DIR/config.bin: Permission denied"}},
        MessageCase{"UnreadableConfig",
                    [](const TempDir& d) { chmodFile(d, "config.bin", 0); },
                    {"show"},
                    {"DIR/config.bin cannot be loaded: it cannot be read (Permission denied)"}},
        MessageCase{"ConfigInAFolderThatCannotBeSearched",
                    [](const TempDir& d) {
                        std::filesystem::create_directory(d / "inner");
                        std::filesystem::rename(d / "config.bin", d / "inner" / "config.bin");
                        chmodFile(d, "inner", 0);
                        std::filesystem::create_symlink("inner/config.bin", d / "config.bin");
                    },
                    {"show"},
                    {"DIR/config.bin cannot be loaded: it cannot be reached (Permission denied)"}},
        MessageCase{"ConfigSymlinkLoop",
                    [](const TempDir& d) {
                        std::filesystem::remove(d / "config.bin");
                        std::filesystem::create_symlink("config.bin", d / "config.bin");
                    },
                    {"show"},
                    {"DIR/config.bin cannot be loaded: it cannot be reached (Too many levels of symbolic links)"}},
        // A failure is never silent, and never an exit code of 0.
        MessageCase{"RecordIniIsAFolderOnList",
                    [](const TempDir& d) {
                        std::filesystem::remove(d / "record.ini");
                        std::filesystem::create_directory(d / "record.ini");
                    },
                    {"macros", "list"},
                    {"cannot read DIR/record.ini: it is a folder"}},
        MessageCase{"RecordIniIsAFolderOnCompile",
                    [](const TempDir& d) {
                        std::filesystem::remove(d / "record.ini");
                        std::filesystem::create_directory(d / "record.ini");
                    },
                    {"macros", "compile"},
                    {"cannot read DIR/record.ini: it is a folder"}},
        MessageCase{"RecordIniIsAPipe",
                    [](const TempDir& d) {
                        std::filesystem::remove(d / "record.ini");
                        ::mkfifo((d / "record.ini").c_str(), 0666);
                    },
                    {"macros", "list"},
                    {"cannot read DIR/record.ini: it is not a regular file"}},
        MessageCase{"UnreadableRecordIni",
                    [](const TempDir& d) { chmodFile(d, "record.ini", 0); },
                    {"macros", "compile"},
                    {"cannot read DIR/record.ini: Permission denied"}},
        MessageCase{"SimulatorStateInAMissingFolder",
                    [](const TempDir&) {},
                    {"--sim-state", "DIR/missing/s.json", "detect"},
                    {"cannot keep the simulator state in DIR/missing/s.json: the folder DIR/missing does not exist"}},
        MessageCase{"TraceToAFullDisk",
                    [](const TempDir&) {},
                    {"--trace", "/dev/full", "detect"},
                    {"cannot write the trace to /dev/full: No space left on device"}},
        MessageCase{"ConfigOneByteTooLong",
                    [](const TempDir& d) { d.write("config.bin", std::string(1987, '\0')); },
                    {"apply"},
                    {"DIR/config.bin cannot be loaded: it is 1987 bytes long, not a settings file of 1986 bytes"}}),
    [](const auto& param) { return std::string(param.param.name); });

// The simulator state is written at the end of the command: its folder went away meanwhile.
TEST(CtlFailures, AStateThatCannotBeKeptAtTheEndIsSaid) {
    TempDir dir;
    dir.write("config.bin", configFileBytes(factoryConfig(), 1));
    std::filesystem::create_directory(dir / "state");
    test::RecordingSleeper sleeper;
    sleeper.onPause = [&](unsigned) {
        std::filesystem::remove_all(dir / "state");
    };
    CtlSeams seams;
    seams.sleeper = &sleeper;
    std::ostringstream out;
    std::ostringstream err;
    const std::string state = (dir / "state" / "s.json").string();
    const int code = runCtl({"--data-dir", dir.path().string(), "--sim-state", state, "detect"}, out, err, seams);
    EXPECT_EQ(code, kExitDataFile);
    EXPECT_EQ(out.str(), "ready, sensor kind 0\n");
    EXPECT_NE(err.str().find("simulator state not kept: cannot write " + state + ": No such file or directory"),
              std::string::npos)
        << err.str();
}

} // namespace
} // namespace q417
