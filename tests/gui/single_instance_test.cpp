#include "support/temp_dir.h"

#include <QLockFile>
#include <QProcess>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A second start while the first holds the single-instance lock ends at once with code 0.
TEST(SingleInstance, SecondStartExitsAtOnceWithCodeZero) {
    const q417::test::TempDir runtime;
    // The desktop's runtime folder is private to its user; Qt refuses one that is not.
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    QLockFile first(QString::fromStdString((runtime / "PVR22_KX417_Mutex.lock").string()));
    ASSERT_TRUE(first.tryLock(0));

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.start(Q417_TRAY_PROGRAM, {"--data-dir", QString::fromStdString(runtime.path().string())});
    ASSERT_TRUE(second.waitForFinished(30'000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
}

} // namespace
