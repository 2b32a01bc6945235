// Writes pictures of the program's own skins for review by eye: the main window, both pages and
// every dialog, into the build folder's screenshots/<skin>/. It checks that every image loads and
// has the size its place in the windows asks for; it does not judge pixels.
#include "dialogs/colour_picker.h"
#include "dialogs/skinned_dialog.h"
#include "dialogs/skins_dialog.h"
#include "screenshots.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"
#include "skin/skin_image.h"
#include "skin/skin_paths.h"
#include "skin_preview.h"
#include "support/recording_messages.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace q417 {
namespace {

constexpr QSize kMainSize{890, 660};
constexpr QSize kDialogSize{390, 284};

// The size of every image: the rectangle the windows draw it into.
const std::map<std::string_view, QSize>& expectedSizes() {
    static const std::map<std::string_view, QSize> sizes = [] {
        std::map<std::string_view, QSize> s;
        for (const std::string_view page : {skin::kMainBackground, skin::kBasicPage, skin::kAdvancedPage}) {
            s[page] = kMainSize;
        }
        for (const DialogBackground& dialog : kDialogBackgrounds) {
            s[dialog.image] = kDialogSize;
        }
        for (const std::string_view button : {skin::kButtonNormal, skin::kButtonOver}) {
            s[button] = {105, 21};
        }
        for (const std::string_view button : {skin::kCloseNormal, skin::kCloseOver, skin::kMinimiseNormal,
                                              skin::kMinimiseOver, skin::kSkinsNormal, skin::kSkinsOver}) {
            s[button] = {18, 18};
        }
        for (const std::string_view button :
             {skin::kPreviousPageNormal, skin::kPreviousPageOver, skin::kNextPageNormal, skin::kNextPageOver}) {
            s[button] = {40, 40};
        }
        s[skin::kDropdownNormal] = s[skin::kDropdownOver] = {211, 21};
        s[skin::kDpiCellLight] = s[skin::kDpiCellDark] = {16, 16};
        s[skin::kRateCellLight] = s[skin::kRateCellDark] = {70, 11};
        s[skin::kCellLight] = s[skin::kCellDark] = {24, 11};
        s[skin::kPane] = s[skin::kPaneTicked] = {16, 16};
        return s;
    }();
    return sizes;
}

void save(const QImage& image, const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    EXPECT_TRUE(image.save(QFile::decodeName(file.c_str()), "PNG")) << file;
}

// A skinned dialog with sample texts and fields where each dialog puts its own.
class PreviewDialog : public SkinnedDialog {
public:
    PreviewDialog(const DialogSkin& skin, SkinnedDialogKind kind, MessageSink& messages)
        : SkinnedDialog(skin, kind, {"OK", "Cancel"}, messages, QPoint(0, 0))
        , kind_(kind) {}

protected:
    void drawContents(SkinCanvas& canvas) override {
        const auto white = [&](const Rect& r, const char* s, bool wrap = false) {
            canvas.drawText(r, s, font(), Qt::white, wrap ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter, wrap);
        };
        const auto field = [&](const Rect& r, const char* s, Qt::Alignment alignment = Qt::AlignCenter) {
            canvas.fill(r, QColor(40, 40, 40));
            canvas.drawText({r.left + 2, r.top, r.right - 2, r.bottom}, s, font(), Qt::white,
                            alignment | Qt::AlignVCenter);
        };
        switch (kind_) {
        case SkinnedDialogKind::SingleKey:
            white({23, 108, 201, 124}, "Please enter a key");
            field({73, 128, 151, 144}, "Right Ctrl");
            break;
        case SkinnedDialogKind::ComboKey:
            field({49, 69, 117, 85}, "Left Ctrl");
            field({50, 120, 131, 134}, "C");
            field({50, 170, 131, 184}, "");
            break;
        case SkinnedDialogKind::FireKey:
            field({49, 69, 117, 85}, "A");
            white({10, 100, 171, 120}, "Speed");
            field({50, 120, 131, 134}, "32");
            white({10, 150, 171, 170}, "Times");
            field({50, 170, 131, 184}, "1");
            white({15, 184, 390, 218}, "Speed (value range 5-255, with smaller values faster)", true);
            white({15, 218, 390, 250}, "Times (value range 0-255,0 indicates fire key to end when the key released)",
                  true);
            break;
        case SkinnedDialogKind::MacroKey:
            white({-8, 112, 201, 128}, "Please select a macro");
            field({42, 128, 136, 144}, "Reload", Qt::AlignLeft);
            drawImage(canvas, skin::kPaneTicked, {220, 78});
            drawImage(canvas, skin::kPane, {220, 128});
            drawImage(canvas, skin::kPane, {220, 178});
            white({237, 70, 390, 102}, "Repeat a specified number of times or press any key to end", true);
            white({237, 120, 390, 152}, "Repeat until press any key to end", true);
            white({237, 170, 390, 202}, "Repeat until the key is released", true);
            break;
        case SkinnedDialogKind::MediaKey:
            field({42, 128, 136, 144}, "Play/Pause", Qt::AlignLeft);
            break;
        case SkinnedDialogKind::WindowsKey:
            field({42, 128, 136, 144}, "Multimedia Player", Qt::AlignLeft);
            break;
        case SkinnedDialogKind::DelayTime:
            white({14, 89, 210, 109}, "Please enter a delay");
            white({14, 109, 210, 129}, "(value range 20-10000)");
            field({74, 129, 150, 143}, "50");
            break;
        case SkinnedDialogKind::Skins:
            break;
        }
    }

private:
    SkinnedDialogKind kind_;
};

class NoPicker : public ColourPicker {
public:
    std::optional<QColor> pickColour(QColor, QWidget*) override { return std::nullopt; }
};

class SkinScreenshots : public ::testing::TestWithParam<const char*> {
protected:
    [[nodiscard]] std::filesystem::path folder() const { return test::kSkinsRoot / GetParam(); }
    [[nodiscard]] std::filesystem::path shot(const std::string& name) const {
        return test::kScreenshots / GetParam() / (name + ".png");
    }
    [[nodiscard]] DialogSkin dialogSkin() const {
        return {folder(), {230, 230, 230}, skinFont(textFont(Language::English))};
    }
    test::RecordingMessages messages;
};

TEST_P(SkinScreenshots, EveryImageLoadsAtTheSizeOfItsPlace) {
    for (const std::string_view name : skin::kFileSet) {
        const std::optional<QImage> image = loadSkinImage(skinImagePath(folder(), name));
        ASSERT_TRUE(image) << name;
        EXPECT_EQ(image->size(), expectedSizes().at(name)) << name;
    }
}

TEST_P(SkinScreenshots, ControlsEnlarged) {
    // Every image smaller than a dialog, three times its size, on the skin's own page background.
    constexpr int kScale = 3;
    constexpr int kGap = 12;
    const std::optional<QImage> page = loadSkinImage(skinImagePath(folder(), skin::kBasicPage));
    ASSERT_TRUE(page);
    QImage sheet(900, 520, QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.drawImage(sheet.rect(), *page, QRect(200, 150, 300, 173));
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const std::string_view name : skin::kFileSet) {
        const QSize size = expectedSizes().at(name) * kScale;
        if (size.width() >= kDialogSize.width() * kScale) {
            continue;
        }
        if (x + size.width() > sheet.width()) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        const std::optional<QImage> image = loadSkinImage(skinImagePath(folder(), name));
        ASSERT_TRUE(image) << name;
        painter.drawImage(QRect(QPoint(x, y), size), *image);
        x += size.width() + kGap;
        rowHeight = std::max(rowHeight, size.height());
    }
    painter.end();
    save(sheet, shot("controls"));
}

TEST_P(SkinScreenshots, MainWindowAndPages) {
    test::PagePreview preview(folder());
    save(preview.mainWindow().image(), shot("main"));
    save(preview.basicPage().image(), shot("basic-page"));
    save(preview.advancedPage().image(), shot("advanced-page"));
    EXPECT_EQ(preview.missingImages(), 0);
}

TEST_P(SkinScreenshots, Dialogs) {
    // Each on its own, and all eight on one sheet, two across.
    constexpr int kGap = 12;
    QImage sheet(2 * kDialogSize.width() + 3 * kGap, 4 * kDialogSize.height() + 5 * kGap, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter painter(&sheet);
    int index = 0;
    for (const DialogBackground& background : kDialogBackgrounds) {
        PreviewDialog dialog(dialogSkin(), background.kind, messages);
        EXPECT_TRUE(dialog.backgroundLoaded()) << background.image;
        EXPECT_EQ(dialog.size(), kDialogSize) << background.image;
        const std::string name(background.image.substr(1, background.image.size() - 5)); // "/x.png" -> "x"
        save(dialog.picture(), shot("dialog-" + name));
        painter.drawImage(kGap + (index % 2) * (kDialogSize.width() + kGap),
                          kGap + (index / 2) * (kDialogSize.height() + kGap), dialog.picture());
        ++index;
    }
    painter.end();
    save(sheet, shot("dialogs"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(SkinScreenshots, SkinsDialogWithItsListOpen) {
    NoPicker picker;
    SkinsDialog dialog(dialogSkin(), {test::kSkinsRoot}, GetParam(), Language::English, picker, messages, QPoint(0, 0));
    dialog.show();
    save(dialog.grab().toImage(), shot("skins-dialog"));
    dialog.skinList().open();
    save(dialog.grab().toImage(), shot("skins-dialog-list"));
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(OwnSkins, SkinScreenshots, ::testing::Values("Default", "Ember"));

} // namespace
} // namespace q417
