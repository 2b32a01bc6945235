#include "app/startup_stamp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QWindow>
#include <cstdio>

namespace q417 {

namespace {

class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QObject* parent, long long stamp)
        : QObject(parent)
        , stamp_(stamp) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (window != nullptr && window->isExposed()) {
                std::printf("mapped_ms %lld\n", QDateTime::currentMSecsSinceEpoch() - stamp_);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            }
        }
        return false;
    }

private:
    long long stamp_;
};

} // namespace

void reportFirstExposure(QWidget& window, long long execStampMs) {
    window.winId(); // the native window must exist to be watched
    window.windowHandle()->installEventFilter(new ExposeWatcher(&window, execStampMs));
}

} // namespace q417
