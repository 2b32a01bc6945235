#include "app/application.h"
#include "app/gui_options.h"

#include <QApplication>
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
    if (!configurator.start()) {
        return 3;
    }
    return QApplication::exec();
}
