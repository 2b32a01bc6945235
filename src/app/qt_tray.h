#pragma once

#include "app/tray_notifier.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <memory>

namespace q417 {

// The tray icon with its tip, its menu (the submenus the program adds, then Exit), and its
// balloons. Where the desktop has no tray, balloons go to desktop notifications when it offers them.
class QtTray : public QObject, public TrayNotifier {
    Q_OBJECT
public:
    // The icon shows only where the desktop has a tray (`shown`).
    QtTray(const QIcon& icon, const QString& exitText, bool shown, QObject* parent = nullptr);
    ~QtTray() override;

    [[nodiscard]] static bool available() { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void showBalloon(const std::string& text, const std::string& title, int timeoutMs) override;
    void remove();
    // Puts `submenu` above Exit; it stays the caller's.
    void insertSubmenu(QMenu& submenu);
    QMenu& menu() { return menu_; }

signals:
    void leftClicked();
    void exitChosen();

private:
    QSystemTrayIcon icon_;
    QMenu menu_;
    QAction* exitAction_; // owned by the menu
};

} // namespace q417
