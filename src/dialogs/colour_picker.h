#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace q417 {

// Asks the user for a colour. The program uses the system's colour dialog; tests script the answer.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;
    // The colour the user confirmed, or nothing when they cancelled. `parent` is the window the
    // picker belongs to, modal over it.
    virtual std::optional<QColor> pickColour(QColor initial, QWidget* parent) = 0;
};

} // namespace q417
