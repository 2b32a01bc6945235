#pragma once

#include "app/configurator.h"
#include "app/tray_notifier.h"
#include "device/device_status_sink.h"
#include "pages/frame_regions.h"
#include "ui/skin_canvas.h"

#include <QFont>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <set>

namespace q417 {

// The main window: frameless, skinned, drawn on a canvas that paint events only copy. It lives in
// the tray: shown by a tray click, hidden by close, minimise, OK, Cancel, Enter and Escape.
class CPelmoraDlg : public QWidget, public DeviceStatusSink {
    Q_OBJECT
public:
    enum class Page { Rebuilding = 0, Basic = 1, Advanced = 2 };

    CPelmoraDlg(Configurator& model, TrayNotifier& tray);

    // Start-up after the model is loaded: the skin background sizes the window; the basic page is
    // built when the mouse is ready.
    void initialise();
    // Builds the basic page if the mouse is ready and it was never built.
    void showBasicPageIfReady();

    // Device status from the link (handshake, arrival, removal) and the mouse's own events.
    void deviceStatus(int code, int value) override;

    // A left click on the tray icon.
    void showFromTray();

    // Where the web link points; opening goes through `openUrl` so tests can see it.
    void setUrlOpener(std::function<void(const QString&)> opener) { openUrl_ = std::move(opener); }
    // Whether hiding really hides (a desktop with a tray) or minimises (no tray to come back from).
    void setHideMinimises(bool minimise) { hideMinimises_ = minimise; }
    // The skins dialog, run by the application; returns whether the skin changed.
    void setSkinsDialogRunner(std::function<bool()> runner) { runSkinsDialog_ = std::move(runner); }

    [[nodiscard]] Page currentPage() const { return page_; }
    [[nodiscard]] bool basicPageInitialised() const { return basicPageInitialised_; }
    [[nodiscard]] const QImage& canvas() const { return canvas_.image(); }
    [[nodiscard]] bool isLit(FrameButton b) const { return lit_.count(b) != 0; }
    QTimer& hoverTimer() { return hoverTimer_; }
    // What the hover timer does when it fires: light the element under the pointer.
    void onHoverTimeout();
    // The same for a given point, as if the pointer had rested there.
    void lightAt(QPoint point) {
        hoverPoint_ = point;
        onHoverTimeout();
    }

    // Hides the window to the tray, or minimises it where there is no tray.
    void hideToTray();

    // The click dispatcher, also reachable from tests without synthesising events.
    void dispatchClick(QPoint point);
    // Tears down and builds the current page again from the record, in the current skin.
    void rebuildCurrentPage();
    [[nodiscard]] const std::filesystem::path& skinFolder() const { return skinFolder_; }
    [[nodiscard]] const QFont& textFont() const { return textFont_; }

signals:
    // Exit from the tray menu or the frame's close button: the application cleans up and ends.
    void exitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showBasicPage();
    void showAdvancedPage();
    void drawFrame(std::string_view background, std::string_view title);
    void drawFrameLook(FrameButton button, bool hover);
    void drawImage(std::string_view name, int x, int y);
    void drawText(const Rect& rect, const QString& text, const QFont& font, Qt::Alignment align);
    void restoreNormalLooks();
    [[nodiscard]] QString frameCaption(FrameButton button) const;

    Configurator& model_;
    TrayNotifier& tray_;
    SkinCanvas canvas_;
    std::filesystem::path skinFolder_;
    QFont textFont_;
    QFont titleFont_;
    Page page_ = Page::Basic;
    bool basicPageInitialised_ = false;
    bool hideMinimises_ = false;
    std::set<FrameButton> lit_;
    QTimer hoverTimer_;
    QPoint hoverPoint_;
    std::function<void(const QString&)> openUrl_;
    std::function<bool()> runSkinsDialog_;
};

} // namespace q417
