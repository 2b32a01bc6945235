#pragma once

#include <QColor>
#include <string_view>

namespace q417::art {

// The colours of one scheme. Both schemes share every shape; only these differ.
struct Palette {
    std::string_view skinName;
    QColor baseTop;    // window background, top of its gradient
    QColor baseBottom; // and bottom
    QColor titleTop;   // title bar gradient
    QColor titleBottom;
    QColor panelTop; // raised panels
    QColor panelBottom;
    QColor panelEdge;   // panel border
    QColor panelHeader; // heading strip of a panel
    QColor well;        // sunken fields and rails
    QColor wellEdge;
    QColor control;    // buttons at rest, gradient top
    QColor controlLow; // and bottom
    QColor controlEdge;
    QColor accent;     // lit cells, ticks, highlights
    QColor accentSoft; // the accent, darker, for fills
    QColor accentDeep; // the accent, darkest, for gradients
    QColor ink;        // captions drawn into the images
    QColor inkMuted;
    QColor danger; // the close button under the pointer
};

// Graphite with a cyan accent: the skin the program starts with.
inline constexpr Palette kDefaultPalette{
    .skinName = "Default",
    .baseTop = QColor(0x16, 0x1a, 0x20),
    .baseBottom = QColor(0x0d, 0x10, 0x13),
    .titleTop = QColor(0x22, 0x28, 0x31),
    .titleBottom = QColor(0x15, 0x19, 0x1f),
    .panelTop = QColor(0x1e, 0x24, 0x2c),
    .panelBottom = QColor(0x17, 0x1c, 0x22),
    .panelEdge = QColor(0x33, 0x3d, 0x4a),
    .panelHeader = QColor(0x25, 0x2c, 0x36),
    .well = QColor(0x0e, 0x11, 0x15),
    .wellEdge = QColor(0x2c, 0x35, 0x40),
    .control = QColor(0x34, 0x3d, 0x49),
    .controlLow = QColor(0x23, 0x29, 0x31),
    .controlEdge = QColor(0x4a, 0x57, 0x66),
    .accent = QColor(0x2e, 0xd0, 0xf0),
    .accentSoft = QColor(0x1a, 0x8c, 0xa8),
    .accentDeep = QColor(0x0d, 0x4a, 0x5c),
    .ink = QColor(0xe4, 0xea, 0xf0),
    .inkMuted = QColor(0x8d, 0x9a, 0xa8),
    .danger = QColor(0xe0, 0x45, 0x4e),
};

// Warm charcoal with an amber accent.
inline constexpr Palette kEmberPalette{
    .skinName = "Ember",
    .baseTop = QColor(0x1c, 0x18, 0x16),
    .baseBottom = QColor(0x10, 0x0e, 0x0d),
    .titleTop = QColor(0x2b, 0x24, 0x20),
    .titleBottom = QColor(0x1a, 0x16, 0x14),
    .panelTop = QColor(0x25, 0x1f, 0x1c),
    .panelBottom = QColor(0x1c, 0x18, 0x16),
    .panelEdge = QColor(0x47, 0x3b, 0x34),
    .panelHeader = QColor(0x30, 0x28, 0x23),
    .well = QColor(0x11, 0x0e, 0x0d),
    .wellEdge = QColor(0x3b, 0x31, 0x2b),
    .control = QColor(0x44, 0x39, 0x33),
    .controlLow = QColor(0x2c, 0x25, 0x21),
    .controlEdge = QColor(0x62, 0x53, 0x49),
    .accent = QColor(0xff, 0x8c, 0x2e),
    .accentSoft = QColor(0xc2, 0x5e, 0x16),
    .accentDeep = QColor(0x63, 0x2c, 0x0a),
    .ink = QColor(0xf2, 0xea, 0xe4),
    .inkMuted = QColor(0xa8, 0x9a, 0x90),
    .danger = QColor(0xe0, 0x45, 0x4e),
};

} // namespace q417::art
