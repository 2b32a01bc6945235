#pragma once

#include "dialogs/dialog_runner.h"
#include "skin/skin_font.h"

#include <QFile>
#include <QImage>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

// Pictures for review by eye: every window in every built skin and language lands in the build
// folder's screenshots/<skin>/, named <what>-<language>.png.
namespace q417::test {

// The skins the build draws, and where the pictures of them go.
inline const std::filesystem::path kSkinsRoot = Q417_SKINS_DIR;
inline const std::filesystem::path kScreenshots = Q417_SCREENSHOT_DIR;

struct ShotLanguage {
    Language language;
    const char* name;   // in file names
    const char* strIni; // the "Lan" code of str.ini
};
inline constexpr ShotLanguage kShotLanguages[] = {{Language::English, "en", "EN"},
                                                  {Language::Span, "es", "SPAN"},
                                                  {Language::Chs, "zh-hans", "CHS"},
                                                  {Language::Cht, "zh-hant", "CHT"}};

inline void saveShot(const QImage& image, const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    EXPECT_TRUE(image.save(QFile::decodeName(file.c_str()), "PNG")) << file;
}

// A widget as the screen shows it, child widgets included.
inline void saveShot(QWidget& widget, const std::filesystem::path& file) {
    saveShot(widget.grab().toImage(), file);
}

// The skins the build draws, copied into a data folder's Skins: a window asked for a skin that is
// not there says so and draws another.
inline void copyBuiltSkins(const std::filesystem::path& dataDir) {
    std::filesystem::create_directories(dataDir / "Skins");
    std::filesystem::copy(kSkinsRoot, dataDir / "Skins",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing);
}

// A dialog's host in skin folder `skin`, at the screen's origin, with a light text colour.
inline DialogHost shotHost(const std::filesystem::path& skin, Language language) {
    return {DialogSkin{skin, {230, 230, 230}, skinFont(textFont(language))}, language, QPoint(0, 0), nullptr};
}

} // namespace q417::test
