#pragma once

#include "dialogs/colour_picker.h"

namespace q417 {

// The desktop's colour dialog.
class QtColourPicker : public ColourPicker {
public:
    std::optional<QColor> pickColour(QColor initial, QWidget* parent) override;
};

} // namespace q417
