#pragma once

#include "app/configurator.h"
#include "app/device_session.h"
#include "app/gui_options.h"
#include "app/main_window.h"
#include "app/profile_menu.h"
#include "app/qt_message_sink.h"
#include "app/qt_tray.h"
#include "device/device_monitor.h"
#include "device/event_reader.h"
#include "device/mouse_connection.h"
#include "dialogs/qt_dialog_runner.h"
#include "platform/pointer_settings.h"

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace q417 {

// Hands device status to whoever is set, so the link can be opened before the window exists.
class DeviceStatusRelay final : public DeviceStatusSink {
public:
    void deviceStatus(DeviceStatusCode code, int value) override {
        if (target) {
            target->deviceStatus(code, value);
        }
    }
    DeviceStatusSink* target = nullptr;
};

// The tray program for one run: it owns the model, the mouse link, the tray and the window, and
// starts them in order. Seams (messages, tray, pointer settings, pauses) can be replaced by tests.
class Application : public QObject {
    Q_OBJECT
public:
    struct Seams {
        MessageSink* messages = nullptr;    // null: message boxes
        TrayNotifier* balloons = nullptr;   // null: the tray icon
        PointerSettings* pointer = nullptr; // null: the desktop's own, from the environment
        Sleeper* sleeper = nullptr;         // null: real pauses
        std::optional<bool> trayAvailable;  // unset: ask the desktop
        DialogRunner* dialogs = nullptr;    // null: the real dialogs
        HidSystem* hidSystem = nullptr;     // null: the system's hidraw nodes
        DeviceMonitor* monitor = nullptr;   // null: udev, for the real mouse
    };

    Application(const GuiOptions& options, Seams seams);
    ~Application() override;

    // Start-up: the settings files, the mouse link and its handshake, the window. Returns false
    // when a data file given on the command line is unusable (the reason was shown).
    bool start();

    // Exit from the tray menu, the close button or an exit signal: the link closed, the simulated
    // mouse's state written back, the tray icon removed, then `finished(0)`.
    void exit();

    MainWindow& window() { return *window_; }
    Configurator& model() { return *model_; }
    DeviceSession& device() { return device_; }
    EventReader& reader() { return *reader_; }
    QtTray& tray() { return *tray_; }
    ProfileMenu& profileMenu() { return *profileMenu_; }

signals:
    // Exit or the window's close button, after cleaning up.
    void finished(int exitCode);

private:
    void shutDown();
    // The mouse: discovery and handshake, the event reader, and plug-in and pull-out.
    void startLink();

    GuiOptions options_;
    QtMessageSink boxMessages_;
    std::unique_ptr<PointerSettings> desktopPointer_; // when no seam is given
    MessageSink& messages_;
    PointerSettings& pointer_;
    QtDialogRunner realDialogs_;
    DialogRunner& dialogs_;
    DeviceStatusRelay relay_;
    DeviceSession device_;
    std::unique_ptr<Configurator> model_;
    std::unique_ptr<QtTray> tray_;
    TrayNotifier* balloons_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<ProfileMenu> profileMenu_;
    std::unique_ptr<EventReader> reader_;
    std::unique_ptr<MouseConnection> connection_;
    DeviceMonitor* monitor_;
    std::unique_ptr<DeviceMonitor> ownMonitor_;
    std::unique_ptr<QSocketNotifier> monitorNotifier_;
    bool trayAvailable_;
    bool shutDown_ = false;
};

} // namespace q417
