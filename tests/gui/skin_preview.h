#pragma once

#include "skin/skin_canvas.h"

#include <QFont>
#include <filesystem>

namespace q417::test {

// Pictures of the main window as its pages will draw it, from a skin folder: images at their
// places and sample English texts, so the artwork can be judged by eye. Failures to load an image
// are counted, not shown.
class PagePreview {
public:
    explicit PagePreview(std::filesystem::path skinFolder);

    [[nodiscard]] SkinCanvas mainWindow();
    [[nodiscard]] SkinCanvas basicPage();
    [[nodiscard]] SkinCanvas advancedPage();
    [[nodiscard]] int missingImages() const { return missing_; }

private:
    SkinCanvas background(std::string_view image);
    void frame(SkinCanvas& canvas, const char* title);
    void image(SkinCanvas& canvas, std::string_view name, int x, int y);
    void caption(SkinCanvas& canvas, const Rect& r, const char* text, Qt::Alignment alignment = Qt::AlignCenter);

    std::filesystem::path folder_;
    QFont textFont_;
    QFont titleFont_;
    QColor ink_{230, 230, 230};
    int missing_ = 0;
};

} // namespace q417::test
