#pragma once

namespace q417 {

// Desktops on libinput keep the pointer speed as a number from -1 (slowest) to 1 (fastest), 0 being
// libinput's own default. The system speed of the pointer settings runs from 1 to 20 with 10 neutral:
// each step is a tenth.
[[nodiscard]] double libinputSpeedFromSystem(int speed);
// Rounded to the nearest step and kept within 1..20; a value that is not finite reads as 0.
[[nodiscard]] int systemSpeedFromLibinput(double speed);

} // namespace q417
