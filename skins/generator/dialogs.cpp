// The backgrounds of the eight dialogs. OK, Cancel and the close button are drawn over them at
// the dialogs' common places; captions the dialogs do not draw themselves are part of the image.
#include "art.h"
#include "skin/skin_files.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace q417::art {

namespace {

constexpr int kTitleBarBottom = 30;

QFont captionFont() {
    return uiFont(12);
}

void dialogFrame(QPainter& p, const Palette& c, const QString& title, bool buttonSeparator = true) {
    const QRectF all(0, 0, kDialogSize.width(), kDialogSize.height());
    QLinearGradient body(all.topLeft(), all.bottomLeft());
    body.setColorAt(0, c.panelTop);
    body.setColorAt(1, c.baseBottom);
    p.fillRect(all, body);

    titleBar(p, all.width(), kTitleBarBottom, c);
    headingMark(p, 12, 15, c);
    text(p, QRectF(22, 0, 300, kTitleBarBottom), title.toUpper(), uiFont(12, true, 1.2), c.ink,
         Qt::AlignLeft | Qt::AlignVCenter);

    if (buttonSeparator) {
        fadedLine(p, 10, all.width() - 10, 245.5, c.panelEdge);
    }
    p.save();
    p.setPen(QPen(c.panelEdge.lighter(115), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void caption(QPainter& p, const QRectF& r, const QString& s, const Palette& c, int flags = Qt::AlignCenter) {
    text(p, r, s, captionFont(), c.inkMuted, flags);
}

// A keycap seen slightly from above, its label on the top face.
void keycap(QPainter& p, const QRectF& r, const QString& label, const Palette& c, bool lit) {
    roundedFill(p, r, 7, lit ? c.accentDeep : c.controlLow, c.well, lit ? c.accentSoft : c.controlEdge);
    const QRectF top = r.adjusted(r.width() * 0.1, r.height() * 0.07, -r.width() * 0.1, -r.height() * 0.2);
    roundedFill(p, top, 5, lit ? c.accentSoft.lighter(115) : c.control.lighter(112), lit ? c.accentSoft : c.control,
                lit ? c.accent : c.controlEdge.lighter(115));
    text(p, top, label, uiFont(static_cast<int>(top.height() * 0.42), true), lit ? QColor(Qt::white) : c.ink);
}

QPen glyphPen(QColor colour, qreal width = 2) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A rounded tile with room for a glyph.
void tile(QPainter& p, const QRectF& r, const Palette& c) {
    roundedFill(p, r, 8, c.control, c.controlLow, c.controlEdge);
}

QImage singleKey(const Palette& c) {
    QImage image = blank(kDialogSize);
    Brush p(image);
    dialogFrame(*p, c, "Single Key");
    well(*p, QRectF(72, 127, 80, 18), c);
    glow(*p, QPointF(292, 128), 80, c.accent, 40);
    keycap(*p, QRectF(246, 82, 92, 88), "A", c, true);
    keycap(*p, QRectF(224, 180, 44, 40), "Esc", c, false);
    keycap(*p, QRectF(316, 180, 44, 40), "F1", c, false);
    keycap(*p, QRectF(270, 180, 44, 40), "Tab", c, false);
    return image;
}

QImage comboKey(const Palette& c) {
    QImage image = blank(kDialogSize);
    Brush p(image);
    dialogFrame(*p, c, "Combo Key");
    caption(*p, QRectF(49, 51, 83, 17), "Modifier", c, Qt::AlignLeft | Qt::AlignVCenter);
    well(*p, QRectF(48, 68, 85, 18), c, 117);
    text(*p, QRectF(49, 87, 83, 16), "+", uiFont(15, true), c.accent);
    caption(*p, QRectF(49, 102, 83, 17), "Key 1", c, Qt::AlignLeft | Qt::AlignVCenter);
    well(*p, QRectF(48, 118, 85, 18), c);
    text(*p, QRectF(49, 137, 83, 16), "+", uiFont(15, true), c.accent);
    caption(*p, QRectF(49, 152, 83, 17), "Key 2", c, Qt::AlignLeft | Qt::AlignVCenter);
    well(*p, QRectF(48, 168, 85, 18), c);

    text(*p, QRectF(180, 52, 190, 48), "Pick a modifier, click a key field, then press the key.", captionFont(),
         c.inkMuted, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    glow(*p, QPointF(276, 160), 80, c.accent, 34);
    keycap(*p, QRectF(184, 128, 62, 58), "Ctrl", c, true);
    text(*p, QRectF(246, 128, 22, 58), "+", uiFont(18, true), c.accent);
    keycap(*p, QRectF(268, 128, 50, 58), "Alt", c, false);
    text(*p, QRectF(318, 128, 16, 58), "+", uiFont(18, true), c.accent);
    keycap(*p, QRectF(334, 134, 40, 46), "C", c, false);
    return image;
}

QImage fireKey(const Palette& c) {
    QImage image = blank(kDialogSize);
    Brush p(image);
    dialogFrame(*p, c, "Fire Key", false);
    caption(*p, QRectF(10, 51, 161, 17), "Key", c);
    well(*p, QRectF(48, 68, 85, 18), c, 117);
    well(*p, QRectF(48, 118, 85, 18), c);
    well(*p, QRectF(48, 168, 85, 18), c);

    // A sight with bursts around it.
    const QPointF centre(286, 110);
    glow(*p, centre, 70, c.accent, 44);
    p->setBrush(Qt::NoBrush);
    p->setPen(glyphPen(c.accent, 2));
    p->drawEllipse(centre, 34, 34);
    p->setPen(glyphPen(c.accentSoft, 1.4));
    p->drawEllipse(centre, 20, 20);
    p->setPen(glyphPen(c.ink, 2));
    for (int i = 0; i < 4; ++i) {
        const qreal angle = i * std::numbers::pi / 2;
        const QPointF dir(std::cos(angle), std::sin(angle));
        p->drawLine(centre + dir * 24, centre + dir * 44);
    }
    p->setPen(Qt::NoPen);
    p->setBrush(c.accent);
    p->drawEllipse(centre, 3, 3);
    // Shots leaving to the right, fading.
    for (int i = 0; i < 3; ++i) {
        QColor shot = c.accent;
        shot.setAlpha(200 - 60 * i);
        p->setBrush(shot);
        p->drawRoundedRect(QRectF(336 + 14 * i, 107, 9, 6), 3, 3);
    }
    return image;
}

QImage macroKey(const Palette& c) {
    QImage image = blank(kDialogSize);
    Brush p(image);
    dialogFrame(*p, c, "Macro Key");
    well(*p, QRectF(41, 127, 111, 18), c, 136);

    // A tape of recorded steps with a play mark.
    tile(*p, QRectF(52, 50, 88, 44), c);
    p->setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QColor step = i == 0 ? c.accent : c.inkMuted;
        step.setAlpha(i == 0 ? 255 : 150);
        p->setBrush(step);
        p->drawRoundedRect(QRectF(82 + 13 * i, 62, 9, 20), 2, 2);
    }
    p->setBrush(c.accent);
    p->drawPolygon(QPolygonF({QPointF(62, 61), QPointF(76, 72), QPointF(62, 83)}));

    // The three playback options, set apart from the macro on the left.
    p->fillRect(QRectF(206, 52, 1, 170), c.panelEdge);
    fadedLine(*p, 214, 386, 111.5, c.panelEdge);
    fadedLine(*p, 214, 386, 161.5, c.panelEdge);
    return image;
}

// A drop-down with its caption above it, where the media, launch and skins dialogs keep theirs.
void pickerBox(QPainter& p, const Palette& c, const QString& label) {
    caption(p, QRectF(42, 110, 150, 17), label, c, Qt::AlignLeft | Qt::AlignVCenter);
    well(p, QRectF(41, 127, 111, 18), c, 136);
}

QImage mediaKey(const Palette& c) {
    QImage image = blank(kDialogSize);
    Brush p(image);
    dialogFrame(*p, c, "Multimedia Key");
    pickerBox(*p, c, "Media key");

    const qreal y = 110;
    glow(*p, QPointF(282, y), 80, c.accent, 34);
    for (const qreal x : {224.0, 340.0}) {
        p->setBrush(Qt::NoBrush);
        p->setPen(glyphPen(c.controlEdge, 1.2));
        p->drawEllipse(QPointF(x, y), 22, 22);
    }
    roundedFill(*p, QRectF(282 - 30, y - 30, 60, 60), 30, c.accentSoft, c.accentDeep, c.accent);
    p->setPen(Qt::NoPen);
    p->setBrush(Qt::white);
    p->drawPolygon(QPolygonF({QPointF(274, y - 13), QPointF(294, y), QPointF(274, y + 13)}));
    p->setBrush(c.ink);
    // Previous and next.
    p->drawPolygon(QPolygonF({QPointF(230, y - 8), QPointF(218, y), QPointF(230, y + 8)}));
    p->drawRect(QRectF(215, y - 8, 2.5, 16));
    p->drawPolygon(QPolygonF({QPointF(334, y - 8), QPointF(346, y), QPointF(334, y + 8)}));
    p->drawRect(QRectF(346.5, y - 8, 2.5, 16));
    // A volume scale beneath.
    for (int i = 0; i < 8; ++i) {
        QColor bar = i < 5 ? c.accent : c.controlEdge;
        p->setBrush(bar);
        const qreal h = 6 + 3 * i;
        p->drawRoundedRect(QRectF(238 + 12 * i, 190 - h, 7, h), 2, 2);
    }
    return image;
}

QImage windowsKey(const Palette& c) {
    QImage image = blank(kDialogSize);
    Brush p(image);
    dialogFrame(*p, c, "Launch Key");
    pickerBox(*p, c, "Application key");

    glow(*p, QPointF(286, 128), 90, c.accent, 30);
    const QRectF tiles[] = {{224, 62, 56, 56}, {292, 62, 56, 56}, {224, 130, 56, 56}, {292, 130, 56, 56}};
    for (const QRectF& t : tiles) {
        tile(*p, t, c);
    }
    p->setBrush(Qt::NoBrush);
    // Mail.
    p->setPen(glyphPen(c.ink));
    const QRectF mail = tiles[0].adjusted(13, 17, -13, -17);
    p->drawRect(mail);
    p->drawPolyline(QPolygonF({mail.topLeft(), QPointF(mail.center().x(), mail.center().y() + 2), mail.topRight()}));
    // Search.
    p->setPen(glyphPen(c.accent, 2.4));
    p->drawEllipse(tiles[1].center() + QPointF(-4, -4), 10, 10);
    p->drawLine(tiles[1].center() + QPointF(4, 4), tiles[1].center() + QPointF(13, 13));
    // Home.
    p->setPen(glyphPen(c.ink));
    const QPointF h = tiles[2].center();
    p->drawPolyline(QPolygonF({h + QPointF(-15, 1), h + QPointF(0, -13), h + QPointF(15, 1)}));
    p->drawPolyline(QPolygonF({h + QPointF(-10, -3), h + QPointF(-10, 14), h + QPointF(10, 14), h + QPointF(10, -3)}));
    // Calculator.
    const QRectF calc = tiles[3].adjusted(16, 11, -16, -11);
    p->drawRoundedRect(calc, 3, 3);
    p->setPen(Qt::NoPen);
    p->setBrush(c.accent);
    p->drawRect(QRectF(calc.left() + 4, calc.top() + 4, calc.width() - 8, 7));
    p->setBrush(c.ink);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            p->drawEllipse(QPointF(calc.left() + 6.5 + col * 5.5, calc.top() + 19 + row * 7), 1.6, 1.6);
        }
    }
    return image;
}

QImage skinsDialog(const Palette& c) {
    QImage image = blank(kDialogSize);
    Brush p(image);
    dialogFrame(*p, c, "Skins");
    // The swatch is filled by the dialog; the frame around it is ours.
    roundedFill(*p, QRectF(40, 92, 113, 20), 2, c.wellEdge, c.wellEdge);
    pickerBox(*p, c, "Skin");

    // Three small windows in three schemes, fanned out.
    const QColor other = c.accent == kDefaultPalette.accent ? kEmberPalette.accent : kDefaultPalette.accent;
    const QColor accents[] = {other, QColor(0x8e, 0x6b, 0xff), c.accent};
    for (int i = 0; i < 3; ++i) {
        const QRectF card(200 + 26 * i, 50 + 28 * i, 120, 84);
        roundedFill(*p, card.translated(2, 3), 6, QColor(0, 0, 0, 90), QColor(0, 0, 0, 90));
        roundedFill(*p, card, 6, c.panelTop.lighter(110), c.panelBottom, c.panelEdge.lighter(120));
        p->fillRect(QRectF(card.left() + 1, card.top() + 13, card.width() - 2, 1), accents[i]);
        p->setPen(Qt::NoPen);
        p->setBrush(accents[i]);
        p->drawEllipse(QPointF(card.left() + 9, card.top() + 7), 2.5, 2.5);
        for (int bar = 0; bar < 3; ++bar) {
            QColor fill = bar == 0 ? accents[i] : c.controlEdge;
            p->setBrush(fill);
            p->drawRoundedRect(QRectF(card.left() + 10, card.top() + 24 + 14 * bar, 70 - 15 * bar, 7), 3, 3);
        }
    }
    return image;
}

QImage delayTime(const Palette& c) {
    QImage image = blank(kDialogSize);
    Brush p(image);
    dialogFrame(*p, c, "Delay");
    well(*p, QRectF(72, 127, 80, 18), c);

    // A stopwatch.
    const QPointF centre(300, 132);
    glow(*p, centre, 84, c.accent, 34);
    roundedFill(*p, QRectF(296, 72, 8, 10), 1, c.control, c.controlLow);
    roundedFill(*p, QRectF(290, 64, 20, 10), 3, c.control, c.controlLow, c.controlEdge);
    roundedFill(*p, QRectF(centre.x() - 52, centre.y() - 52, 104, 104), 52, c.control, c.controlLow, c.controlEdge);
    roundedFill(*p, QRectF(centre.x() - 44, centre.y() - 44, 88, 88), 44, c.well, c.well, c.wellEdge);
    p->setPen(glyphPen(c.inkMuted, 1.4));
    for (int i = 0; i < 12; ++i) {
        const qreal angle = i * std::numbers::pi / 6;
        const QPointF dir(std::sin(angle), -std::cos(angle));
        p->drawLine(centre + dir * (i % 3 == 0 ? 32 : 36), centre + dir * 40);
    }
    // The swept part of a lap, and the hand.
    QPainterPath sweep(centre);
    sweep.arcTo(QRectF(centre.x() - 30, centre.y() - 30, 60, 60), 90, -110);
    sweep.closeSubpath();
    QColor swept = c.accent;
    swept.setAlpha(70);
    p->setPen(Qt::NoPen);
    p->setBrush(swept);
    p->drawPath(sweep);
    p->setPen(glyphPen(c.accent, 2.4));
    const qreal hand = 110 * std::numbers::pi / 180;
    p->drawLine(centre, centre + QPointF(std::sin(hand), -std::cos(hand)) * 34);
    p->setPen(Qt::NoPen);
    p->setBrush(c.accent);
    p->drawEllipse(centre, 4, 4);
    return image;
}

} // namespace

std::vector<Artwork> dialogArtworks() {
    return {
        {skin::kSingleKeyDialog, dithered<singleKey>}, {skin::kComboKeyDialog, dithered<comboKey>},
        {skin::kFireKeyDialog, dithered<fireKey>},     {skin::kMacroKeyDialog, dithered<macroKey>},
        {skin::kMediaKeyDialog, dithered<mediaKey>},   {skin::kWindowsKeyDialog, dithered<windowsKey>},
        {skin::kSkinsDialog, dithered<skinsDialog>},   {skin::kDelayTimeDialog, dithered<delayTime>},
    };
}

} // namespace q417::art
