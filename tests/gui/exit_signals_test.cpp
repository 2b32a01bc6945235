#include "app/exit_signals.h"
#include "support/temp_dir.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(ExitSignals, ASignalArrivesAsAQtSignalOnTheEventLoop) {
    ExitSignals watcher;
    ASSERT_TRUE(watcher.watching());
    QSignalSpy received(&watcher, &ExitSignals::received);
    ASSERT_EQ(std::raise(SIGHUP), 0); // handled: the test goes on
    EXPECT_TRUE(received.isEmpty()) << "nothing runs inside the handler";
    QCoreApplication::processEvents();
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received.front().front().toInt(), SIGHUP);
}

// The tray program ends on a signal as its Exit does: exit code 0, and the simulated mouse's
// state written back.
TEST(ExitSignals, TheTrayProgramEndsCleanlyOnEachExitSignal) {
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(number);
        const test::TempDir dir;
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all); // a private runtime folder
        const std::filesystem::path bin = std::filesystem::path(Q417_TRAY_PROGRAM).parent_path();
        for (const char* file : {"config.bin", "str.ini", "Skins"}) {
            std::filesystem::copy(bin / file, dir / file, std::filesystem::copy_options::recursive);
        }
        QProcess tray;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(dir.path().string()));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        tray.setProcessEnvironment(env);
        const QString state = QString::fromStdString((dir / "mouse.json").string());
        tray.start(Q417_TRAY_PROGRAM,
                   {"--data-dir", QString::fromStdString(dir.path().string()), "--sim-state", state, "--trace", "-"});
        // The first traced exchange: the program is past its start-up and watching signals.
        ASSERT_TRUE(tray.waitForReadyRead(30'000));
        ASSERT_EQ(::kill(static_cast<pid_t>(tray.processId()), number), 0);
        ASSERT_TRUE(tray.waitForFinished(30'000));
        EXPECT_EQ(tray.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tray.exitCode(), 0);
        EXPECT_TRUE(std::filesystem::exists(dir / "mouse.json"));
    }
}

} // namespace
} // namespace q417
