// The yardstick of the start-up benchmark: a bare Qt Widgets window of the same size, measured the
// same way as the tray program.
#include "app/startup_stamp.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(880, 660);
    const QByteArray stamp = qgetenv("Q417_STARTUP_STAMP_MS");
    if (!stamp.isEmpty()) {
        q417::reportFirstExposure(window, stamp.toLongLong());
    }
    window.show();
    return QApplication::exec();
}
