#include "app/application.h"

#include "app/app_icon.h"
#include "config/device_commands.h"
#include "device/udev_monitor.h"
#include "platform/pointer_settings_factory.h"
#include "platform/user_data_folder.h"
#include "skin/qt_convert.h"
#include "texts/main_window_texts.h"

#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <iostream>

namespace q417 {

namespace {

// Runs an action once, after the window's first frame is on screen.
class FirstExposure : public QObject {
public:
    FirstExposure(QObject* parent, std::function<void()> action)
        : QObject(parent)
        , action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed() && action_) {
            // After this event is handled, so the frame is drawn first.
            QTimer::singleShot(0, this, [action = std::exchange(action_, {})] { action(); });
        }
        return false;
    }

private:
    std::function<void()> action_;
};

} // namespace

Application::Application(const GuiOptions& options, Seams seams)
    : options_(options)
    // --simulate stands in for the mouse only: the desktop's pointer settings are the real ones.
    , desktopPointer_(seams.pointer != nullptr ? nullptr : makePointerSettingsFromEnvironment())
    , messages_(seams.messages != nullptr ? *seams.messages : boxMessages_)
    , pointer_(seams.pointer != nullptr ? *seams.pointer : *desktopPointer_)
    , realDialogs_(messages_, DataPaths::resolve(options.dataDir).macroLibrary())
    , dialogs_(seams.dialogs != nullptr ? *seams.dialogs : realDialogs_)
    , device_(relay_, messages_, seams.sleeper, seams.hidSystem)
    , balloons_(seams.balloons)
    , monitor_(seams.monitor)
    , trayAvailable_(seams.trayAvailable.value_or(QtTray::available())) {
    model_ = std::make_unique<Configurator>(DataPaths::resolve(options.dataDir), messages_, pointer_, device_);
}

Application::~Application() {
    shutDown();
}

bool Application::start() {
    // An installed program's first start makes the user's data folder from the factory files.
    std::cout << "Tarvell-Q417: data folder " << model_->paths().describe() << std::endl; // in a log at once
    if (const Status prepared = prepareDataFolder(model_->paths()); !prepared.ok()) {
        messages_.showMessage(prepared.message, "error");
    }
    // The settings come first, so that the link's first balloon already speaks the user's language.
    model_->load();
    const std::string_view exitText = text(model_->ui().language, TextId::Exit);
    tray_ = std::make_unique<QtTray>(appIcon(), fromUtf8(exitText), trayAvailable_);
    if (balloons_ == nullptr) {
        balloons_ = tray_.get();
    }
    window_ = std::make_unique<MainWindow>(*model_, *balloons_, messages_, dialogs_);
    window_->setWindowIcon(appIcon());
    window_->setWindowTitle("Gaming Mouse Setting");
    window_->setHideMinimises(!trayAvailable_);
    window_->setUrlOpener([](const QString& url) {
        if (!url.isEmpty()) {
            QDesktopServices::openUrl(QUrl::fromUserInput(url));
        }
    });
    relay_.target = window_.get();
    profileMenu_ = std::make_unique<ProfileMenu>(*model_, *window_, dialogs_, messages_);
    tray_->insertSubmenu(profileMenu_->menu());
    connect(&tray_->menu(), &QMenu::aboutToShow, profileMenu_.get(), &ProfileMenu::refresh);
    // A right click on the window opens the profiles too: without a tray it is the only way to them.
    window_->setContextMenuOpener([this](QPoint global) {
        profileMenu_->refresh();
        profileMenu_->menu().popup(global);
    });

    connect(tray_.get(), &QtTray::leftClicked, window_.get(), &MainWindow::showFromTray);
    connect(tray_.get(), &QtTray::exitChosen, this, &Application::exit);
    connect(window_.get(), &MainWindow::exitRequested, this, &Application::exit);

    const Status opened = device_.open(options_.device, std::cout);
    if (!opened.ok()) {
        messages_.showMessage(opened.message, "error");
        return false;
    }
    if (trayAvailable_) {
        startLink();
        window_->initialise();
        window_->drawBareFrame();
        return true;
    }
    // With no tray to come back from, the window shows at once and hiding minimises it. It shows
    // its background first; the link's handshake pauses and the page follow its first frame.
    window_->initialise();
    window_->show();
    window_->windowHandle()->installEventFilter(new FirstExposure(window_.get(), [this] {
        startLink();
        window_->showBasicPageIfReady();
        window_->drawBareFrame();
    }));
    return true;
}

void Application::startLink() {
    // The reader hands each event to the window through the event loop and reads the next one
    // only after the window has shown it.
    reader_ = std::make_unique<EventReader>([this] { return device_.deviceReady(); },
                                            [this](DeviceStatusCode kind, int value) {
                                                QMetaObject::invokeMethod(
                                                    window_.get(),
                                                    [this, kind, value] {
                                                        window_->deviceStatus(kind, value);
                                                        reader_->eventHandled();
                                                    },
                                                    Qt::QueuedConnection);
                                            });
    MouseConnection::Hooks hooks{[this] { DeviceCommands(device_.transport(), device_.image()).refreshSensorBlock(); },
                                 [this] {
                                     window_->hideToTray();
                                 }};
    connection_ = std::make_unique<MouseConnection>(device_.backend(), device_.transport(), *reader_, relay_, hooks);
    connection_->start();

    // Plug-in and pull-out, for the real mouse.
    if (monitor_ == nullptr && !device_.simulated()) {
        ownMonitor_ = std::make_unique<UdevMonitor>();
        monitor_ = ownMonitor_.get();
    }
    if (monitor_ != nullptr && monitor_->fd() >= 0) {
        monitorNotifier_ = std::make_unique<QSocketNotifier>(monitor_->fd(), QSocketNotifier::Read);
        connect(monitorNotifier_.get(), &QSocketNotifier::activated, this, [this] {
            monitor_->processPending([this](const DeviceChange& change) { connection_->onDeviceChange(change); });
        });
    }
}

void Application::exit() {
    shutDown();
    emit finished(0);
}

void Application::shutDown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    if (window_) {
        window_->hide();
    }
    monitorNotifier_.reset();
    if (reader_) {
        reader_->stop();
    }
    if (tray_) {
        tray_->remove();
    }
    // The window is gone and an exit signal must not wait on a box: what was lost goes to the log.
    for (const Status& status : {device_.saveState(), device_.traceStatus()}) {
        if (!status.ok()) {
            std::cerr << "Tarvell-Q417: " << status.message << std::endl;
        }
    }
}

} // namespace q417
