#pragma once

#include "dialogs/dialog_backgrounds.h"
#include "dialogs/dialog_buttons.h"
#include "platform/message_sink.h"
#include "skin/skinned_surface.h"
#include "texts/language.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace q417 {

class SkinDropDown;

// The program-wide skin values a dialog copies when it opens.
struct DialogSkin {
    std::filesystem::path folder;             // the current skin folder
    std::array<std::uint8_t, 3> textColour{}; // red, green, blue of the captions
    QFont font;                               // the dialog font of the language (skin/skin_font.h)
};

// The base of every skinned dialog: frameless, placed where the caller says (the main window's
// client origin) and sized to its background. It draws the background, OK and Cancel with their
// captions and the close button, lights them after the pointer rests on them, and ends with
// Accepted (OK) or Rejected (Cancel, close). Subclasses add their texts, controls and regions.
//
// When the background cannot be loaded the user is told ("error", under the kind's caption) and
// the dialog still opens, blank, with working buttons; subclasses then leave out their controls.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    struct Captions {
        QString ok;
        QString cancel;
    };
    // OK and Cancel as the main window words them in `language`.
    [[nodiscard]] static Captions captionsIn(Language language);

    // How long the pointer rests on a button before it lights.
    static constexpr int kHoverDelayMs = SkinnedSurface::kHoverDelayMs;
    // The size of a dialog whose background is missing: room for every common button.
    static constexpr QSize kFallbackSize{390, 284};

    SkinnedDialog(DialogSkin skin, SkinnedDialogKind kind, Captions captions, MessageSink& messages, QPoint origin,
                  QWidget* parent = nullptr);

    [[nodiscard]] bool backgroundLoaded() const { return !background_.isNull(); }
    [[nodiscard]] bool isLit(DialogButton button) const { return surface_->isLit(static_cast<int>(button)); }
    [[nodiscard]] const DialogSkin& skin() const { return skin_; }
    // The picture as the next paint shows it.
    [[nodiscard]] const QImage& picture();
    // The pointer's rest before a button lights; tests fire its timeout instead of waiting.
    [[nodiscard]] QTimer& hoverTimer() { return surface_->hoverTimer(); }

protected:
    // The dialog's own texts and images, drawn over the buttons and under the close button.
    virtual void drawContents(SkinCanvas& canvas);
    // A left click that none of the common buttons took.
    virtual void clickAt(QPoint point);

    // Draws an image of the dialog's skin; a failure is reported as every dialog reports it.
    bool drawImage(SkinCanvas& canvas, std::string_view imageName, QPoint topLeft);
    [[nodiscard]] QColor textColour() const;
    // Draws the picture again from the dialog's state and shows it.
    void redraw();
    // A drop-down of this dialog: a click outside it closes it before anything else is tested, and
    // the wheel scrolls it when it asks for that.
    void addDropDown(SkinDropDown& dropDown);
    [[nodiscard]] MessageSink& messages() { return messages_; }

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void compose();
    void drawButton(SkinCanvas& canvas, DialogButton button);

    DialogSkin skin_;
    Captions captions_;
    MessageSink& messages_;
    QImage background_;       // prepared; null when it could not be loaded
    SkinnedSurface* surface_; // a child of this dialog
    bool composed_ = false;
    std::vector<SkinDropDown*> dropDowns_; // children of this dialog
};

} // namespace q417
