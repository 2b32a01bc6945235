#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace q417 {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal, so a logout, a Ctrl+C in the terminal or a
// closed terminal ends the program the way its Exit does: the simulated mouse's state written back,
// the tray icon removed, exit code 0. The handlers only write the signal's number to a pipe that
// the event loop watches; everything else runs on the UI thread. One instance per process.
class ExitSignals : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    // False when the pipe could not be made; the signals then keep their default action.
    [[nodiscard]] bool watching() const { return notifier_ != nullptr; }

signals:
    void received(int signalNumber);

private:
    void drain();

    int readFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace q417
