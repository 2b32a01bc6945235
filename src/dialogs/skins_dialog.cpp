#include "dialogs/skins_dialog.h"

#include "dialogs/colour_picker.h"
#include "dialogs/dialog_keys.h"
#include "dialogs/dialog_look.h"
#include "dialogs/skins_dialog_layout.h"
#include "skin/qt_convert.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_folders.h"
#include "texts/skins_dialog_texts.h"

#include <QFile>
#include <QFontMetrics>

namespace q417 {

namespace {

constexpr int kNameBoxPadding = 3;

// Folder names are bytes in the file system's encoding.
QString fromFileName(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

} // namespace

SkinsDialog::SkinsDialog(const DialogSkin& skin, std::vector<std::filesystem::path> skinRoots, std::string skinName,
                         Language language, ColourPicker& picker, MessageSink& messages, QPoint origin, QWidget* parent)
    : SkinnedDialog(skin, SkinnedDialogKind::Skins, captionsIn(language), messages, origin, parent)
    , skinRoots_(std::move(skinRoots))
    , picker_(picker)
    , prompt_(fromUtf8(skinsDialogTexts(language).colourPrompt))
    , choice_{skin.folder, std::move(skinName), skin.textColour} {
    skinList_ = new SkinDropDown(*this, {.regions = kSkinsListRegions, .hotTracking = false, .wheelScrolls = true},
                                 [this] { return listSkins(); });
    addDropDown(*skinList_);
    connect(skinList_, &SkinDropDown::chosen, this, [this](int row) { chooseSkin(row); });
}

QStringList SkinsDialog::listSkins() {
    // Read afresh at every opening: a skin copied in meanwhile is listed. A skin of the user's own
    // hides a shared one of the same name.
    listedNames_ = listSkinNames(skinRoots_);
    QStringList rows;
    for (const std::string& name : listedNames_) {
        rows << fromFileName(name);
    }
    return rows;
}

void SkinsDialog::keyPressEvent(QKeyEvent* event) {
    if (confirmsDialog(*event)) {
        accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event);
}

void SkinsDialog::drawContents(SkinCanvas& canvas) {
    if (!backgroundLoaded()) {
        return; // no texts and no controls without the background
    }
    // One line, fitted to its place like every caption, so it never runs onto the swatch below.
    canvas.drawText(kSkinsColourPromptRect, prompt_, font(), textColour(), Qt::AlignCenter);
    const auto& c = choice_.colour;
    canvas.fill(kSkinsColourSwatchRect, QColor(c[0], c[1], c[2]));
    drawSunkenBox(canvas, kSkinsNameBoxRect);
    const Rect& box = kSkinsNameBoxRect;
    canvas.drawText({box.left + kNameBoxPadding, box.top, box.right - 1, box.bottom}, fromFileName(choice_.name),
                    font(), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
}

void SkinsDialog::clickAt(QPoint point) {
    if (!backgroundLoaded()) {
        return;
    }
    if (kSkinsListRegions.box.contains(point.x(), point.y())) {
        skinList_->toggle();
    } else if (kSkinsColourSwatchRect.contains(point.x(), point.y())) {
        pickColour();
    }
}

void SkinsDialog::pickColour() {
    // The picker opens on black, whatever the current colour.
    const std::optional<QColor> picked = picker_.pickColour(QColor(Qt::black), this);
    if (!picked) {
        return;
    }
    const QColor rgb = picked->toRgb();
    choice_.colour = {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                      static_cast<std::uint8_t>(rgb.blue())};
    redraw();
}

void SkinsDialog::chooseSkin(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= listedNames_.size()) {
        return;
    }
    choice_.name = listedNames_[static_cast<std::size_t>(row)];
    // The folder is searched for again, so one renamed meanwhile keeps the old folder.
    if (const std::optional<std::filesystem::path> folder = findSkinFolder(skinRoots_, choice_.name)) {
        choice_.folder = *folder;
    }
    redraw();
}

} // namespace q417
