#pragma once

#include "skin/skin_files.h"
#include "support/temp_dir.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QSize>
#include <filesystem>
#include <string>
#include <string_view>

namespace q417::test {

// A Skins folder in a temporary directory with one skin of plain images: enough for a dialog to
// open with its background and buttons.
class TestSkin {
public:
    static constexpr QSize kDialogSize{390, 284};

    explicit TestSkin(const char* name = "Plain")
        : folder_(dir_ / "Skins" / name) {
        std::filesystem::create_directories(folder_);
        for (const std::string_view image :
             {skin::kComboKeyDialog, skin::kDelayTimeDialog, skin::kFireKeyDialog, skin::kMacroKeyDialog,
              skin::kMediaKeyDialog, skin::kSingleKeyDialog, skin::kSkinsDialog, skin::kWindowsKeyDialog}) {
            write(image, kDialogSize, QColor(30, 30, 30));
        }
        write(skin::kButtonNormal, {105, 21}, QColor(60, 60, 60));
        write(skin::kButtonOver, {105, 21}, QColor(0, 120, 200));
        write(skin::kCloseNormal, {18, 18}, QColor(60, 60, 60));
        write(skin::kCloseOver, {18, 18}, QColor(200, 40, 40));
    }

    [[nodiscard]] std::filesystem::path skinsRoot() const { return dir_ / "Skins"; }
    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }
    [[nodiscard]] std::filesystem::path image(std::string_view name) const {
        return folder_.native() + std::string(name);
    }

    void write(std::string_view name, QSize size, QColor colour) const {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        image.save(QFile::decodeName(this->image(name).c_str()), "PNG");
    }
    void remove(std::string_view name) const { std::filesystem::remove(image(name)); }
    void addSkinFolder(const char* name) const { std::filesystem::create_directories(skinsRoot() / name); }

private:
    TempDir dir_;
    std::filesystem::path folder_;
};

} // namespace q417::test
