// Build-time tool: draws every image of the program's own skins into SKINS_DIR/<skin name>/, or
// with --icons the program icon into an icon theme's folders.
#include "app_icon_art.h"
#include "art.h"
#include "skin/skin_files.h"

#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

using q417::art::Artwork;

std::vector<Artwork> allArtworks() {
    std::vector<Artwork> all = q417::art::controlArtworks();
    for (const auto& group : {q417::art::windowArtworks(), q417::art::dialogArtworks()}) {
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}

// Every image a skin must have is drawn, and only those, each once.
bool coversTheFileSet(const std::vector<Artwork>& artworks) {
    bool ok = artworks.size() == q417::skin::kFileSet.size();
    for (const std::string_view name : q417::skin::kFileSet) {
        const auto drawn =
            std::count_if(artworks.begin(), artworks.end(), [name](const Artwork& a) { return a.name == name; });
        if (drawn != 1) {
            std::cerr << "q417_skin_generator: " << name << " is drawn " << drawn << " times\n";
            ok = false;
        }
    }
    return ok;
}

constexpr int kLargeImagePixels = 200 * 200;

// An image without a single see-through pixel is stored without alpha, so the program copies it
// instead of blending it: the full-window backgrounds draw several times faster.
QImage opaqueWhereItCanBe(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(row[x]) != 255) {
                return image;
            }
        }
    }
    return argb.convertToFormat(QImage::Format_RGB32);
}

bool writeSkin(const std::filesystem::path& skinsDir, const q417::art::Palette& palette,
               const std::vector<Artwork>& artworks) {
    const std::filesystem::path folder = skinsDir / std::string(palette.skinName);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const Artwork& artwork : artworks) {
        const std::string file = folder.native() + std::string(artwork.name);
        const QImage image = opaqueWhereItCanBe(artwork.draw(palette));
        // The window backgrounds are stored uncompressed: they decode in half the time at start-up.
        const int quality = image.width() * image.height() > kLargeImagePixels ? 100 : -1;
        if (!image.save(QFile::decodeName(file.c_str()), "PNG", quality)) {
            std::cerr << "q417_skin_generator: cannot write " << file << '\n';
            return false;
        }
    }
    return true;
}

// ICONS_DIR/hicolor/scalable/apps/NAME.svg and ICONS_DIR/hicolor/<n>x<n>/apps/NAME.png.
bool writeIcons(const std::filesystem::path& iconsDir, const std::string& name) {
    const std::filesystem::path theme = iconsDir / "hicolor";
    std::error_code ec;
    std::filesystem::create_directories(theme / "scalable/apps", ec);
    QFile svg(QFile::decodeName((theme / "scalable/apps" / (name + ".svg")).c_str()));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(q417::art::appIconSvg()) < 0) {
        std::cerr << "q417_skin_generator: cannot write " << svg.fileName().toStdString() << '\n';
        return false;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = theme / sizeName / "apps";
        std::filesystem::create_directories(folder, ec);
        const std::filesystem::path file = folder / (name + ".png");
        if (!q417::art::appIconImage(size).save(QFile::decodeName(file.c_str()), "PNG")) {
            std::cerr << "q417_skin_generator: cannot write " << file << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--icons") {
        QGuiApplication app(argc, argv);
        return writeIcons(argv[2], argv[3]) ? 0 : 1;
    }
    if (argc != 2) {
        std::cerr << "usage: q417_skin_generator SKINS_DIR\n"
                     "       q417_skin_generator --icons ICONS_DIR NAME\n";
        return 2;
    }
    const std::filesystem::path skinsDir = argv[1];
    QGuiApplication app(argc, argv); // fonts need the application, nothing is shown
    const std::vector<Artwork> artworks = allArtworks();
    if (!coversTheFileSet(artworks)) {
        return 1;
    }
    for (const q417::art::Palette* palette : {&q417::art::kDefaultPalette, &q417::art::kEmberPalette}) {
        if (!writeSkin(skinsDir, *palette, artworks)) {
            return 1;
        }
    }
    return 0;
}
