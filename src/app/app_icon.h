#pragma once

#include <QIcon>

namespace q417 {

// The program's icon, drawn rather than shipped: a mouse outline with a lit wheel.
QIcon appIcon();

} // namespace q417
