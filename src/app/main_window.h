#pragma once

#include "app/configurator.h"
#include "app/tray_notifier.h"
#include "device/device_status_sink.h"
#include "dialogs/dialog_runner.h"
#include "macro/macro_library.h"
#include "pages/advanced_page.h"
#include "pages/basic_page.h"
#include "pages/frame_regions.h"
#include "pages/page_painter.h"
#include "platform/evdev_key_names.h"
#include "platform/message_sink.h"
#include "skin/skinned_surface.h"

#include <QFont>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

namespace q417 {

// The main window: a frameless, skinned shell drawn on a canvas that paint events only copy. It
// keeps the frame (background, title, frame buttons, web link), the page switch and the tray's
// show and hide, and hosts one page at a time. It lives in the tray: shown by a tray click, hidden
// by close, minimise, OK, Cancel, Enter and Escape.
class MainWindow : public QWidget, public DeviceStatusSink {
    Q_OBJECT
public:
    enum class PageShown { Rebuilding = 0, Basic = 1, Advanced = 2 };

    MainWindow(Configurator& model, TrayNotifier& tray, MessageSink& messages, DialogRunner& dialogs);

    // Start-up after the model is loaded: the skin background sizes the window; the basic page is
    // built when the mouse is ready.
    void initialise();
    // Builds the basic page if the mouse is ready and it was never built.
    void showBasicPageIfReady();
    // Draws the frame over the bare background while no page is shown. Its texts load the fonts,
    // so a window shown at once does this after its first frame.
    void drawBareFrame();

    // Device status from the link (handshake, arrival, removal) and the mouse's own events.
    void deviceStatus(DeviceStatusCode code, int value) override;

    // A left click on the tray icon.
    void showFromTray();
    // After the record changed outside the pages (a profile loaded): the shown page is built again
    // from it, and the window shows as from the tray.
    void showEditedSettings();

    // Where the web link points; opening goes through `openUrl` so tests can see it.
    void setUrlOpener(std::function<void(const QString&)> opener) { openUrl_ = std::move(opener); }
    // What a right click on the window opens (the tray menu's submenus, for desktops without a tray).
    void setContextMenuOpener(std::function<void(QPoint global)> opener) { openContextMenu_ = std::move(opener); }
    // Whether hiding really hides (a desktop with a tray) or minimises (no tray to come back from).
    // Without a tray the window keeps a taskbar entry, so a minimised window can be brought back.
    void setHideMinimises(bool minimise) {
        hideMinimises_ = minimise;
        setWindowFlag(Qt::Tool, !minimise);
    }

    [[nodiscard]] PageShown currentPage() const { return shown_; }
    [[nodiscard]] bool basicPageInitialised() const { return basicPageInitialised_; }
    [[nodiscard]] const QImage& canvas() const { return surface_->canvas().image(); }
    [[nodiscard]] bool isLit(FrameButton b) const { return surface_->isLit(static_cast<int>(b)); }
    [[nodiscard]] bool isLit(int element) const { return surface_->isLit(element); }
    QTimer& hoverTimer() { return surface_->hoverTimer(); }
    // Lights the element under `point`, as if the pointer had rested there.
    void lightAt(QPoint point) { surface_->hoverAt(point); }
    // The pages; null before initialise().
    BasicPage* basicPage() { return basicPage_; }
    AdvancedPage* advancedPage() { return advancedPage_; }

    // Hides the window to the tray, or minimises it where there is no tray.
    void hideToTray();

    // The click dispatcher, also reachable from tests without synthesising events.
    void dispatchClick(QPoint point);
    void showBasicPage();
    void showAdvancedPage();
    // Tears down and builds the shown page again from the record, in the current skin and colour.
    void rebuildCurrentPage();
    [[nodiscard]] const std::filesystem::path& skinFolder() const { return painter_.skinFolder(); }
    // Forgets the decoded skin images, as a change of skin does.
    void dropDecodedImages() { painter_.images().clear(); }
    // What a dialog opened over this window starts from.
    [[nodiscard]] DialogHost dialogHost();

signals:
    // Exit from the tray menu or the frame's close button: the application cleans up and ends.
    void exitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void switchTo(PageShown target, Page& page);
    // Destroys the child controls of the page being left.
    void destroyPageControls();
    void initialiseBasicPage();
    void drawPage();
    void drawFrame();
    void applySkin();
    void ensureFonts();
    void drawFrameLook(FrameButton button, bool hover);
    void paintLook(int element, bool lit);
    void drawLook(int element, bool lit);
    void runSkinsDialog();
    // OK and Apply: false when the mouse is not ready and nothing happened.
    bool applyAndReport();
    [[nodiscard]] QString frameCaption(FrameButton button) const;

    Configurator& model_;
    TrayNotifier& tray_;
    MessageSink& messages_;
    DialogRunner& dialogs_;
    SkinnedSurface* surface_; // a child of this window
    PagePainter painter_;
    QFont textFont_;
    QFont titleFont_;
    bool fontsReady_ = false;
    BasicPage* basicPage_ = nullptr;       // a child of this window, made by initialise()
    AdvancedPage* advancedPage_ = nullptr; // a child of this window, made by initialise()
    MacroLibrary macroLibrary_;
    EvdevKeyNames keyNames_;
    Page* page_ = nullptr; // the page shown
    PageShown shown_ = PageShown::Rebuilding;
    bool basicPageInitialised_ = false;
    bool hideMinimises_ = false;
    std::string startProblem_;                 // what was wrong with str.ini, said with the first skin
    std::optional<std::string> skinChosenFor_; // the str.ini skin name the painter's folder was chosen for
    std::function<void(const QString&)> openUrl_;
    std::function<void(QPoint)> openContextMenu_;
};

} // namespace q417
