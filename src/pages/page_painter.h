#pragma once

#include "skin/qt_convert.h"
#include "skin/rect.h"
#include "skin/skin_canvas.h"
#include "skin/skin_image_cache.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace q417 {

// Draws the main window's pages on its canvas in the current skin: skin images at their top-left
// corner (decoded once per skin), texts in the window's two fonts and the interface text colour.
// A skin image that cannot be loaded leaves the canvas as it was and says nothing.
class PagePainter {
public:
    enum class Font : std::uint8_t { Text, Title };

    explicit PagePainter(SkinCanvas& canvas)
        : canvas_(canvas) {}

    // Another skin folder drops the decoded images of the old one.
    void setSkinFolder(const std::filesystem::path& folder);
    void setLook(const QFont& textFont, const QFont& titleFont, QColor textColour);

    [[nodiscard]] const std::filesystem::path& skinFolder() const { return folder_; }
    [[nodiscard]] const QFont& textFont() const { return textFont_; }
    [[nodiscard]] QColor textColour() const { return colour_; }
    SkinImageCache& images() { return images_; }

    void image(std::string_view name, const Rect& at);
    // The background the looks are drawn over: `name` is drawn whole, and restore() takes from it.
    void background(std::string_view name);
    // Puts the background back under `rect`, so a look drawn there next leaves no trace of the one
    // before (an anti-aliased edge blended twice would keep the other look's colour).
    void restore(const Rect& rect);
    void text(const Rect& rect, std::string_view utf8, Qt::Alignment alignment, Font font = Font::Text);
    void qtext(const Rect& rect, const QString& text, Qt::Alignment alignment, Font font = Font::Text);
    // Text in the text font, word-wrapped to the rectangle's width, left-aligned from its top.
    void wrappedText(const Rect& rect, const QString& text);

private:
    SkinCanvas& canvas_;
    SkinImageCache images_;
    std::filesystem::path folder_;
    std::string background_;
    QFont textFont_;
    QFont titleFont_;
    QColor colour_;
};

} // namespace q417
