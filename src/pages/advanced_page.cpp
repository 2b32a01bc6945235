#include "pages/advanced_page.h"

#include "config/system_pointer.h"
#include "pages/advanced_page_layout.h"
#include "skin/skin_files.h"
#include "texts/main_window_texts.h"

#include <algorithm>
#include <array>

namespace q417 {

namespace al = advanced_layout;

namespace {

constexpr int kMacroButtonGroup = 4; // frame groups are 1 and 3, the basic page's key rows 2

struct PageButton {
    int element = 0;
    Rect rect;
    TextId caption{};
};

constexpr std::array<PageButton, 4> kButtons{{
    {AdvancedPage::kDefaultElement, al::kDefault, TextId::SystemDefault},
    {AdvancedPage::kNewElement, al::kNew, TextId::New},
    {AdvancedPage::kDeleteElement, al::kDelete, TextId::Delete},
    {AdvancedPage::kConfirmElement, al::kConfirm, TextId::Confirm},
}};

} // namespace

AdvancedPage::AdvancedPage(AdvancedPageContext context)
    : QObject(&context.macros.window)
    , ctx_(std::move(context)) {
    editor_ = new MacroEditor(ctx_.macros);
    editor_->setParent(this);
    connect(editor_, &MacroEditor::changed, this, &AdvancedPage::changed);
}

std::string_view AdvancedPage::background() const {
    return skin::kAdvancedPage;
}

void AdvancedPage::build() {
    for (const PageButton& button : kButtons) {
        drawButton(button.element, false);
    }
    drawTexts();
    editor_->drawTexts();
    if (!systemRead_) {
        // Once per run the rows start from what the desktop has now.
        systemRead_ = true;
        readSystemMouseSettings(ctx_.pointer, ctx_.macros.messages, ctx_.macros.config);
    }
    for (std::size_t row = 1; row <= al::kSystemRowCount; ++row) {
        drawRow(row);
    }
    const MouseConfig& config = ctx_.macros.config;
    drawTick(al::kPrecisionBox, config.enhancePointerPrecision != 0, false);
    drawTick(al::kOneScreenBox, config.scrollOneScreen != 0, false);
    editor_->createControls();
}

void AdvancedPage::drawTexts() {
    PagePainter& p = ctx_.macros.painter;
    const Language language = ctx_.macros.language;
    p.text(al::kSpeedCaption, text(language, TextId::MouseSpeed), Qt::AlignCenter);
    p.text(al::kScrollCaption, text(language, TextId::ScrollingSpeed), Qt::AlignCenter);
    p.text(al::kDoubleClickCaption, text(language, TextId::DoubleClickSpeed), Qt::AlignCenter);
    p.text(al::kPrecisionText, text(language, TextId::EnhancePointerPrecision), Qt::AlignLeft | Qt::AlignVCenter);
    p.text(al::kOneScreenText, text(language, TextId::ScrollOneScreen), Qt::AlignLeft | Qt::AlignVCenter);
    for (std::size_t row = 1; row <= al::kSystemRowCount; ++row) {
        for (std::size_t c = 1; c <= al::kCellCount; ++c) {
            p.qtext(al::cellNumber(row, c), QString::number(c), Qt::AlignHCenter | Qt::AlignTop);
        }
    }
}

std::uint8_t AdvancedPage::level(std::size_t row) const {
    const MouseConfig& config = ctx_.macros.config;
    switch (row) {
    case 1:
        return config.pointerSpeedLevel;
    case 2:
        return config.wheelScrollLines;
    default:
        return config.doubleClickLevel;
    }
}

void AdvancedPage::drawRow(std::size_t row) {
    // A level past the row (a foreign config.bin) lights the whole row.
    const std::size_t lit = level(row);
    for (std::size_t c = 1; c <= al::kCellCount; ++c) {
        const Rect r = al::cell(row, c);
        ctx_.macros.painter.restore(r);
        ctx_.macros.painter.image(c <= lit ? skin::kCellLight : skin::kCellDark, r);
    }
}

void AdvancedPage::drawTick(const Rect& box, bool on, bool switchedOff) {
    PagePainter& p = ctx_.macros.painter;
    if (on) {
        p.restore(box);
        p.image(skin::kPaneTicked, box);
    } else if (switchedOff) {
        p.restore(box);
        p.image(skin::kPane, box);
    }
}

void AdvancedPage::drawButton(int element, bool lit) {
    for (const PageButton& button : kButtons) {
        if (button.element == element) {
            PagePainter& p = ctx_.macros.painter;
            p.restore(button.rect);
            p.image(lit ? skin::kButtonOver : skin::kButtonNormal, button.rect);
            p.text(button.rect, text(ctx_.macros.language, button.caption), Qt::AlignCenter);
        }
    }
}

void AdvancedPage::destroyControls() {
    editor_->destroyControls();
}

void AdvancedPage::closeListsFor(QPoint point) {
    editor_->closeListsFor(point);
}

bool AdvancedPage::click(QPoint point) {
    const int x = point.x();
    const int y = point.y();
    if (al::kPrecisionBox.contains(x, y)) {
        toggleEnhancePointerPrecision();
    } else if (al::kOneScreenBox.contains(x, y)) {
        toggleScrollOneScreen();
    } else if (al::kDefault.contains(x, y)) {
        restoreSystemDefaults();
    } else if (al::kStartRecording.contains(x, y)) {
        editor_->startRecording();
    } else if (al::kStopRecording.contains(x, y)) {
        editor_->stopRecording();
    } else if (al::kNew.contains(x, y)) {
        editor_->newMacro();
    } else if (al::kDelete.contains(x, y)) {
        editor_->deleteMacro();
    } else if (al::kConfirm.contains(x, y)) {
        editor_->confirmMacro();
    } else if (al::kMouseEventRegions.box.contains(x, y)) {
        editor_->toggleMouseEvents();
    } else {
        for (std::size_t row = 1; row <= al::kSystemRowCount; ++row) {
            for (std::size_t c = 1; c <= al::kCellCount; ++c) {
                if (al::cell(row, c).contains(x, y)) {
                    setSystemLevel(row, c);
                    return true;
                }
            }
        }
        return false;
    }
    return true;
}

void AdvancedPage::toggleEnhancePointerPrecision() {
    std::uint8_t& on = ctx_.macros.config.enhancePointerPrecision;
    on = on != 0 ? 0 : 1;
    drawTick(al::kPrecisionBox, on != 0, true);
    emit changed();
}

void AdvancedPage::toggleScrollOneScreen() {
    std::uint8_t& on = ctx_.macros.config.scrollOneScreen;
    on = on != 0 ? 0 : 1;
    drawTick(al::kOneScreenBox, on != 0, true);
    emit changed();
}

void AdvancedPage::setSystemLevel(std::size_t row, std::size_t cell) {
    MouseConfig& config = ctx_.macros.config;
    const auto value = static_cast<std::uint8_t>(std::clamp<std::size_t>(cell, 1, al::kCellCount));
    switch (row) {
    case 1:
        config.pointerSpeedLevel = value;
        break;
    case 2:
        config.wheelScrollLines = value; // one-screen scrolling stays as ticked
        break;
    case 3:
        config.doubleClickLevel = value;
        break;
    default:
        return;
    }
    drawRow(row);
    emit changed();
}

void AdvancedPage::restoreSystemDefaults() {
    MouseConfig& config = ctx_.macros.config;
    const bool precisionWasOn = config.enhancePointerPrecision != 0;
    const bool oneScreenWasOn = config.scrollOneScreen != 0;
    q417::restoreSystemDefaults(ctx_.pointer, ctx_.macros.messages, config);
    if (precisionWasOn) {
        drawTick(al::kPrecisionBox, false, true);
    }
    if (oneScreenWasOn) {
        drawTick(al::kOneScreenBox, false, true);
    }
    for (std::size_t row = 1; row <= al::kSystemRowCount; ++row) {
        drawRow(row);
    }
    emit changed();
}

std::vector<HoverElement> AdvancedPage::hoverElements() const {
    return {{kDefaultElement, al::kDefault, 0},
            {kNewElement, al::kNew, kMacroButtonGroup},
            {kDeleteElement, al::kDelete, kMacroButtonGroup},
            {kConfirmElement, al::kConfirm, kMacroButtonGroup}};
}

void AdvancedPage::drawLook(int element, bool lit) {
    drawButton(element, lit);
}

} // namespace q417
