// Build-time tool: draws every image of the program's own skins into SKINS_DIR/<skin name>/.
#include "art.h"
#include "ui/skin_files.h"

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

bool writeSkin(const std::filesystem::path& skinsDir, const q417::art::Palette& palette,
               const std::vector<Artwork>& artworks) {
    const std::filesystem::path folder = skinsDir / std::string(palette.skinName);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const Artwork& artwork : artworks) {
        const std::string file = folder.native() + std::string(artwork.name);
        if (!artwork.draw(palette).save(QFile::decodeName(file.c_str()), "PNG")) {
            std::cerr << "q417_skin_generator: cannot write " << file << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: q417_skin_generator SKINS_DIR\n";
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
