#include "platform/libinput_speed.h"

#include <algorithm>
#include <cmath>

namespace q417 {

namespace {
constexpr int kMinSpeed = 1;
constexpr int kNeutralSpeed = 10;
constexpr int kMaxSpeed = 20;
} // namespace

double libinputSpeedFromSystem(int speed) {
    return static_cast<double>(std::clamp(speed, kMinSpeed, kMaxSpeed) - kNeutralSpeed) / 10.0;
}

int systemSpeedFromLibinput(double speed) {
    const double kept = std::isfinite(speed) ? std::clamp(speed, -1.0, 1.0) : 0.0;
    return std::clamp(static_cast<int>(std::lround(kept * 10.0)) + kNeutralSpeed, kMinSpeed, kMaxSpeed);
}

} // namespace q417
