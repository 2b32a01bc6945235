#pragma once

#include <QByteArray>
#include <QImage>

namespace q417::art {

// The program icon: the mouse seen from above in the default skin's graphite and cyan, drawn from
// the same shapes as the skins' mouse. One set of shapes gives both the scalable SVG and the pixel
// images, so the sizes always agree.
[[nodiscard]] QByteArray appIconSvg();
// The icon drawn `size` pixels square. Below 48 pixels the lines stay at least a pixel wide, so
// the outline still shows in a menu or a panel.
[[nodiscard]] QImage appIconImage(int size);

} // namespace q417::art
