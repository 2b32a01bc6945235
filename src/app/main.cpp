#include "app/application.h"
#include "app/exit_signals.h"
#include "app/gui_options.h"
#include "app/startup_stamp.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <iostream>

int main(int argc, char** argv) {
    const q417::GuiOptions options = q417::parseGuiOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
        std::cout << q417::kGuiHelp;
        return 0;
    }
    if (!options.error.empty()) {
        std::cerr << "Tarvell-Q417: " << options.error << " (see Tarvell-Q417 --help)\n";
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Watched from here on: a signal that comes while the program starts ends it once it runs.
    q417::ExitSignals exitSignals;

    // One instance per user: a second one ends at once and quietly.
    QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtimeDir.isEmpty()) {
        runtimeDir = QDir::tempPath();
    }
    QLockFile lock(runtimeDir + "/PVR22_KX417_Mutex.lock");
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        return 0;
    }

    q417::Application configurator(options, {});
    QObject::connect(&configurator, &q417::Application::finished, &app, &QApplication::exit);
    QObject::connect(&exitSignals, &q417::ExitSignals::received, &configurator, &q417::Application::exit);
    if (!configurator.start()) {
        return 3;
    }
    // For the start-up benchmark: the launcher stamps the wall clock before exec, and the program
    // reports how long it took until its window was first on screen, then ends.
    const QByteArray stamp = qgetenv("Q417_STARTUP_STAMP_MS");
    if (!stamp.isEmpty()) {
        q417::reportFirstExposure(configurator.window(), stamp.toLongLong());
    }
    return QApplication::exec();
}
