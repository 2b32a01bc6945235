#include "skin_preview.h"

#include "pages/frame_regions.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"
#include "skin/skin_image.h"
#include "skin/skin_paths.h"
#include "texts/language_fonts.h"

#include <array>

namespace q417::test {

namespace {

constexpr std::array<const char*, 10> kLabels{
    "Left Click", "Right Click",          "Mid Click", "Forward", "Backward", "DPI Loop", "Triple-click",
    "Shift DPI",  "Combo Key-left Win+D", "RGB On/Off"};
constexpr std::array<const char*, 12> kDpiValues{"250",  "500",  "750",  "1000", "1250", "1500",
                                                 "1750", "2000", "2500", "3000", "3500", "4000"};
constexpr std::array<QColor, 4> kStageColours{QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255),
                                              QColor(255, 255, 0)};

} // namespace

PagePreview::PagePreview(std::filesystem::path skinFolder)
    : folder_(std::move(skinFolder))
    , textFont_(skinFont(textFont(Language::English)))
    , titleFont_(skinFont(titleFont(Language::English))) {}

SkinCanvas PagePreview::background(std::string_view image) {
    const std::optional<QImage> loaded = loadSkinImage(skinImagePath(folder_, image));
    SkinCanvas canvas(loaded ? loaded->size() : QSize(890, 660));
    if (loaded) {
        canvas.blend(*loaded, QPoint(0, 0));
    } else {
        ++missing_;
    }
    return canvas;
}

void PagePreview::image(SkinCanvas& canvas, std::string_view name, int x, int y) {
    if (!drawSkinImage(canvas, skinImagePath(folder_, name), QPoint(x, y))) {
        ++missing_;
    }
}

void PagePreview::caption(SkinCanvas& canvas, const Rect& r, const char* text, Qt::Alignment alignment) {
    canvas.drawText(r, QString::fromUtf8(text), textFont_, ink_, alignment | Qt::AlignVCenter);
}

void PagePreview::frame(SkinCanvas& canvas, const char* title) {
    canvas.drawText({105, 51, 320, 99}, title, titleFont_, ink_, Qt::AlignLeft | Qt::AlignVCenter);
    for (const FrameLook& look : kFrameHoverOrder) {
        const Rect r = frameRect(look.button);
        // OK and the next-page button show their look under the pointer.
        const bool lit = look.button == FrameButton::Ok || look.button == FrameButton::NextPage;
        image(canvas, lit ? look.hoverImage : look.normalImage, r.left, r.top);
    }
    caption(canvas, frameRect(FrameButton::Ok), "OK");
    caption(canvas, frameRect(FrameButton::Apply), "Apply");
    caption(canvas, frameRect(FrameButton::Cancel), "Cancel");
    caption(canvas, frameRect(FrameButton::WebLink), "www.example.com");
}

SkinCanvas PagePreview::mainWindow() {
    return background(skin::kMainBackground);
}

SkinCanvas PagePreview::basicPage() {
    SkinCanvas canvas = background(skin::kBasicPage);
    frame(canvas, "Basic Settings");
    caption(canvas, {259, 160, 364, 181}, "Key Setting");
    caption(canvas, {504, 161, 609, 182}, "Report Rate Setting");
    caption(canvas, {504, 275, 609, 296}, "DPI Setting");
    caption(canvas, {704, 275, 809, 296}, "DPI Effect");
    for (int k = 1; k <= 10; ++k) {
        const int top = 199 + 23 * (k - 1);
        image(canvas, k == 3 ? skin::kDropdownOver : skin::kDropdownNormal, 252, top);
        caption(canvas, {252, top, 272, top + 21}, std::to_string(k).c_str());
        caption(canvas, {272, top, 463, top + 21}, kLabels[static_cast<std::size_t>(k - 1)], Qt::AlignLeft);
    }
    image(canvas, skin::kButtonOver, 253, 518);
    image(canvas, skin::kButtonNormal, 357, 518);
    image(canvas, skin::kButtonNormal, 307, 549);
    caption(canvas, {253, 518, 358, 539}, "Mode A");
    caption(canvas, {357, 518, 462, 539}, "Mode B");
    caption(canvas, {307, 549, 412, 570}, "Default");
    const char* rates[] = {"125", "250", "500", "1000"};
    for (int position = 0; position < 4; ++position) {
        const int x = 542 + 72 * position;
        image(canvas, position == 3 ? skin::kRateCellLight : skin::kRateCellDark, x, 204);
        caption(canvas, {x, 225, x + 70, 245}, rates[position]);
    }
    for (int i = 0; i < 12; ++i) {
        caption(canvas, {514, 500 - 18 * i, 544, 516 - 18 * i}, kDpiValues[static_cast<std::size_t>(i)],
                Qt::AlignRight);
    }
    caption(canvas, {494, 523, 544, 539}, "Color", Qt::AlignRight);
    caption(canvas, {494, 541, 544, 557}, "Select", Qt::AlignRight);
    const int lit[] = {2, 5, 8, 11};
    for (int s = 0; s < 4; ++s) {
        const int x = 554 + 27 * s;
        canvas.fill({x, 523, x + 16, 539}, kStageColours[static_cast<std::size_t>(s)]);
        image(canvas, s == 3 ? skin::kPane : skin::kPaneTicked, x, 541);
        caption(canvas, {x, 562, x + 16, 587}, std::to_string(s + 1).c_str());
        for (int c = 1; c <= 12; ++c) {
            image(canvas, s != 3 && c <= lit[s] ? skin::kDpiCellLight : skin::kDpiCellDark, x, 500 - 18 * (c - 1));
        }
    }
    const char* fields[][2] = {{"Mode", "Standard"}, {"Parameter", "55%"}, {"Effect", "RGB Effect"}};
    for (int i = 0; i < 3; ++i) {
        const int top = 330 + 30 * i;
        caption(canvas, {697, top, 757, top + 14}, fields[i][0], Qt::AlignRight);
        canvas.fill({767, top, 835, top + 14}, Qt::black);
        caption(canvas, {767, top, 835, top + 14}, fields[i][1]);
    }
    return canvas;
}

SkinCanvas PagePreview::advancedPage() {
    SkinCanvas canvas = background(skin::kAdvancedPage);
    frame(canvas, "Advanced Settings");
    const char* rows[] = {"Mouse Speed", "Scrolling Speed", "Double-Click Speed"};
    const int lit[] = {6, 3, 6};
    for (int row = 0; row < 3; ++row) {
        const int top = 200 + 150 * row;
        caption(canvas, {38, top - 40, 143, top - 19}, rows[row]);
        for (int c = 1; c <= 11; ++c) {
            const int x = 52 + 24 * (c - 1);
            image(canvas, c <= lit[row] ? skin::kCellLight : skin::kCellDark, x, top);
            caption(canvas, {x, top + 21, x + 24, top + 41}, std::to_string(c).c_str());
        }
    }
    image(canvas, skin::kPaneTicked, 51, 255);
    caption(canvas, {77, 255, 408, 271}, "Enhance Pointer Precision", Qt::AlignLeft);
    caption(canvas, {77, 405, 408, 421}, "Scroll One Screen", Qt::AlignLeft);
    image(canvas, skin::kButtonNormal, 38, 584);
    caption(canvas, {38, 584, 143, 605}, "Default");

    caption(canvas, {469, 160, 578, 181}, "Macro Setting");
    caption(canvas, {457, 196, 592, 220}, "Select Macro");
    caption(canvas, {591, 196, 726, 220}, "Key Press Sequence");
    caption(canvas, {725, 196, 875, 220}, "Record Option");
    const char* macros[] = {"Reload", "Build wall"};
    for (int i = 0; i < 2; ++i) {
        caption(canvas, {466, 222 + 16 * i, 591, 238 + 16 * i}, macros[i], Qt::AlignLeft);
    }
    const char* events[] = {"A   Dn", "50 ms", "A   Up", "50 ms"};
    for (int i = 0; i < 4; ++i) {
        caption(canvas, {596, 222 + 16 * i, 725, 238 + 16 * i}, events[i], Qt::AlignLeft);
    }
    caption(canvas, {765, 227, 874, 260}, "Start Recording", Qt::AlignLeft);
    caption(canvas, {765, 263, 874, 296}, "Stop Recording", Qt::AlignLeft);
    caption(canvas, {735, 302, 874, 322}, "Macro Name", Qt::AlignLeft);
    caption(canvas, {735, 342, 874, 362}, "Loop Times", Qt::AlignLeft);
    caption(canvas, {735, 382, 874, 402}, "Insert A Mouse Event", Qt::AlignLeft);
    caption(canvas, {735, 322, 799, 336}, "Reload");
    caption(canvas, {735, 362, 799, 376}, "1");
    canvas.fill({735, 402, 839, 416}, Qt::black);
    caption(canvas, {735, 402, 839, 416}, "L-Button Click");
    const char* buttons[] = {"New", "Delete", "Confirm"};
    for (int i = 0; i < 3; ++i) {
        const int x = 513 + 104 * i;
        image(canvas, skin::kButtonNormal, x, 528);
        caption(canvas, {x, 528, x + 105, 549}, buttons[i]);
    }
    return canvas;
}

} // namespace q417::test
