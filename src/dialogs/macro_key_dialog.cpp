#include "dialogs/macro_key_dialog.h"

#include "config/mouse_config.h"
#include "dialogs/macro_key_layout.h"
#include "dialogs/name_field.h"
#include "macro/macro_library.h"
#include "skin/qt_convert.h"
#include "skin/skin_drop_down.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace q417 {

namespace {

static_assert(kMacroSlotCount == 12, "the tip of a macro without a slot names the count");

constexpr QColor kNoSlotText{120, 120, 120};
constexpr int kFieldIndent = 2;
constexpr int kPromptEdgeMargin = 4;
constexpr int kUnboundedHeight = 10'000;

// `rect` narrowed evenly on both sides until it keeps `margin` pixels from both edges of `width`:
// the text keeps its middle and loses nothing past the dialog's edge.
Rect withinWidth(const Rect& rect, int width, int margin) {
    const int cut = std::max({0, margin - rect.left, rect.right - (width - margin)});
    return {rect.left + cut, rect.top, rect.right - cut, rect.bottom};
}

// `font`, or a smaller one down to kMinTextPixelSize, in which `text` wrapped at the width of `box`
// fits it whole; a text too long even then is cut at the box's edges.
QFont fontForWrapped(const QString& text, const QFont& font, const Rect& box) {
    const auto fits = [&](const QFont& f) {
        const QRect needed =
            QFontMetrics(f).boundingRect(QRect(0, 0, box.width(), kUnboundedHeight), Qt::TextWordWrap, text);
        return needed.width() <= box.width() && needed.height() <= box.height();
    };
    if (fits(font)) {
        return font;
    }
    QFont smaller = font;
    const int start = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    for (int size = start - 1; size > kMinTextPixelSize; --size) {
        smaller.setPixelSize(size);
        if (fits(smaller)) {
            return smaller;
        }
    }
    smaller.setPixelSize(kMinTextPixelSize);
    return smaller;
}

QLabel* makeField(QWidget& dialog) {
    QLabel* field = makeNameField(dialog, kMacroFieldRect, Qt::AlignLeft);
    field->setTextFormat(Qt::PlainText);
    return field;
}

} // namespace

MacroKeyDialog::MacroKeyDialog(const DialogHost& host, MessageSink& messages, const MacroLibrary& library)
    : SkinnedDialog(host.skin, SkinnedDialogKind::MacroKey, captionsIn(host.language), messages, host.origin,
                    host.parent)
    , library_(library) {
    const MacroKeyTexts texts = macroKeyTexts(host.language);
    prompt_ = fromUtf8(texts.prompt);
    std::ranges::transform(texts.options, optionTexts_.begin(), fromUtf8);
    noSlotTip_ = fromUtf8(texts.noSlot);

    // The dialog closes the list itself, so a click on a row without a slot leaves it open.
    macroList_ = new SkinDropDown(
        *this, {.regions = kMacroListRegions, .hotTracking = true, .wheelScrolls = true, .closesOnChoice = false},
        [this] { return listMacros(); });
    addDropDown(*macroList_);
    connect(macroList_, &SkinDropDown::chosen, this, [this](int row) { chooseMacro(row); });
    connect(macroList_, &SkinDropDown::openChanged, this, [this](bool open) {
        if (open) {
            prepareRows();
        }
    });
    connect(macroList_, &SkinDropDown::rowHovered, this, [this](int row) {
        if (row >= static_cast<int>(kMacroSlotCount)) {
            macroList_->list()->setCurrentRow(-1); // a row that cannot be chosen is not selected
        }
    });

    if (backgroundLoaded()) {
        field_ = makeField(*this);
    }
}

MacroKeyChoice MacroKeyDialog::choice() const {
    MacroKeyChoice result;
    if (chosen_) {
        result.row = chosen_->row;
        result.name = chosen_->name;
    }
    result.option = option_;
    return result;
}

void MacroKeyDialog::accept() {
    if (!chosen_) {
        if (backgroundLoaded()) {
            macroList_->open(); // show the user what is missing
        }
        return;
    }
    SkinnedDialog::accept();
}

QStringList MacroKeyDialog::listMacros() {
    // Read afresh at every opening: a macro saved meanwhile is listed.
    listedNames_ = library_.listMacroNames();
    QStringList rows;
    for (const std::string& name : listedNames_) {
        rows << fromUtf8(name);
    }
    return rows;
}

void MacroKeyDialog::prepareRows() {
    QListWidget* list = macroList_->list();
    // Names up to 31 characters are wider than the list: cut short at the end, whole in the tip.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideRight);
    const QFontMetrics metrics(list->font());
    // Measured as if the scroll bar were shown, which is not known before the list is laid out.
    const int textMargins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int room = list->contentsRect().width() - list->verticalScrollBar()->sizeHint().width() - textMargins;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (row >= static_cast<int>(kMacroSlotCount)) {
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            item->setForeground(kNoSlotText);
            item->setToolTip(noSlotTip_);
        } else if (metrics.horizontalAdvance(item->text()) > room) {
            item->setToolTip(item->text());
        }
    }
}

void MacroKeyDialog::chooseMacro(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= std::min(listedNames_.size(), kMacroSlotCount)) {
        return;
    }
    chosen_ = ChosenMacro{static_cast<std::size_t>(row), listedNames_[static_cast<std::size_t>(row)]};
    showName();
    macroList_->close();
}

void MacroKeyDialog::showName() {
    if (field_ == nullptr || !chosen_) {
        return;
    }
    // A long name is shrunk, then cut short, rather than running under the drop-down's arrow.
    const int room = field_->contentsRect().width() - kFieldIndent;
    const FittedText fitted = fitText(fromUtf8(chosen_->name), font(), room);
    field_->setFont(fitted.font);
    field_->setText(fitted.text);
    field_->setToolTip(fitted.text == fromUtf8(chosen_->name) ? QString() : fromUtf8(chosen_->name));
}

void MacroKeyDialog::tick(std::uint8_t option) {
    if (option == option_) {
        return;
    }
    option_ = option;
    redraw();
}

void MacroKeyDialog::drawContents(SkinCanvas& canvas) {
    if (!backgroundLoaded()) {
        return; // no texts and no controls without the background
    }
    canvas.drawText(withinWidth(kMacroPromptRect, width(), kPromptEdgeMargin), prompt_, font(), Qt::white,
                    Qt::AlignCenter);
    for (std::size_t i = 0; i < kMacroPlaybackOptionCount; ++i) {
        const Rect& box = kMacroTickBoxRects[i];
        drawImage(canvas, option_ == i + 1 ? skin::kPaneTicked : skin::kPane, {box.left, box.top});
        const Rect& r = kMacroOptionTextRects[i];
        const Rect room{r.left, r.top - kMacroOptionTextOverhang, r.right, r.bottom + kMacroOptionTextOverhang};
        canvas.drawText(room, optionTexts_[i], fontForWrapped(optionTexts_[i], font(), room), Qt::white,
                        Qt::AlignLeft | Qt::AlignVCenter, true);
    }
}

void MacroKeyDialog::clickAt(QPoint point) {
    if (!backgroundLoaded()) {
        return;
    }
    if (kMacroListRegions.box.contains(point.x(), point.y())) {
        macroList_->toggle();
        return;
    }
    for (std::size_t i = 0; i < kMacroPlaybackOptionCount; ++i) {
        if (kMacroTickBoxRects[i].contains(point.x(), point.y())) {
            tick(static_cast<std::uint8_t>(i + 1));
            return;
        }
    }
}

void MacroKeyDialog::keyPressEvent(QKeyEvent* event) {
    // Enter is OK, as in any dialog; Esc is left to QDialog, which cancels.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event);
}

} // namespace q417
