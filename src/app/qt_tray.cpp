#include "app/qt_tray.h"

#include <QDBusConnection>
#include <QDBusInterface>

namespace q417 {

QtTray::QtTray(const QIcon& icon, const QString& exitText, bool shown, QObject* parent)
    : QObject(parent)
    , icon_(icon) {
    icon_.setToolTip("Gaming Mouse Setting");
    exitAction_ = menu_.addAction(exitText);
    connect(exitAction_, &QAction::triggered, this, &QtTray::exitChosen);
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
            emit leftClicked();
        }
    });
    if (shown) {
        icon_.show();
    }
}

QtTray::~QtTray() {
    remove();
}

void QtTray::remove() {
    icon_.hide();
}

void QtTray::insertSubmenu(QMenu& submenu) {
    menu_.insertMenu(exitAction_, &submenu);
    menu_.insertSeparator(exitAction_);
}

void QtTray::showBalloon(const std::string& text, const std::string& title, int timeoutMs) {
    const QString body = QString::fromStdString(text);
    const QString heading = QString::fromStdString(title);
    if (icon_.isVisible()) {
        icon_.showMessage(heading, body, QSystemTrayIcon::Information, timeoutMs);
        return;
    }
    // No tray: the desktop's notification service, where there is one; otherwise nothing to show.
    QDBusInterface notifications("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                 "org.freedesktop.Notifications", QDBusConnection::sessionBus());
    if (notifications.isValid()) {
        notifications.call("Notify", QString("Gaming Mouse Setting"), 0U, QString(), heading, body, QStringList(),
                           QVariantMap(), timeoutMs);
    }
}

} // namespace q417
