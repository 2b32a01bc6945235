#include "skin/skin_image_cache.h"

#include "skin/skin_canvas.h"
#include "skin/skin_image.h"

namespace q417 {

const QImage* SkinImageCache::image(const std::filesystem::path& file) {
    auto found = images_.find(file);
    if (found == images_.end()) {
        found = images_.emplace(file, loadSkinImage(file)).first;
    }
    return found->second ? &*found->second : nullptr;
}

bool drawSkinImage(SkinCanvas& canvas, SkinImageCache& cache, const std::filesystem::path& file, QPoint topLeft) {
    const QImage* image = cache.image(file);
    if (image == nullptr) {
        return false;
    }
    canvas.blend(*image, topLeft);
    return true;
}

} // namespace q417
