#include "pages/page_painter.h"

#include "skin/skin_paths.h"

#include <QPoint>

namespace q417 {

void PagePainter::setSkinFolder(const std::filesystem::path& folder) {
    if (folder != folder_) {
        images_.clear();
        folder_ = folder;
    }
}

void PagePainter::setLook(const QFont& textFont, const QFont& titleFont, QColor textColour) {
    textFont_ = textFont;
    titleFont_ = titleFont;
    colour_ = textColour;
}

void PagePainter::image(std::string_view name, const Rect& at) {
    drawSkinImage(canvas_, images_, skinImagePath(folder_, name), QPoint(at.left, at.top));
}

void PagePainter::qtext(const Rect& rect, const QString& str, Qt::Alignment alignment, Font font) {
    canvas_.drawText(rect, str, font == Font::Title ? titleFont_ : textFont_, colour_, alignment);
}

void PagePainter::wrappedText(const Rect& rect, const QString& str) {
    canvas_.drawText(rect, str, textFont_, colour_, Qt::AlignLeft | Qt::AlignTop, true);
}

void PagePainter::background(std::string_view name) {
    background_ = std::string(name);
    image(name, {});
}

void PagePainter::restore(const Rect& rect) {
    const QImage* whole = images_.image(skinImagePath(folder_, background_));
    if (whole == nullptr) {
        return;
    }
    canvas_.fill(rect, Qt::black); // what the canvas was before the background went on
    canvas_.blend(whole->copy(toQRect(rect)), QPoint(rect.left, rect.top));
}

void PagePainter::text(const Rect& rect, std::string_view utf8, Qt::Alignment alignment, Font font) {
    qtext(rect, fromUtf8(utf8), alignment, font);
}

} // namespace q417
