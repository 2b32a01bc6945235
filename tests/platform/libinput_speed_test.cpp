#include "platform/libinput_speed.h"

#include <gtest/gtest.h>
#include <limits>
#include <utility>
#include <vector>

namespace q417 {
namespace {

TEST(LibinputSpeed, EverySystemSpeedGoesThereAndBack) {
    for (int speed = 1; speed <= 20; ++speed) {
        EXPECT_EQ(systemSpeedFromLibinput(libinputSpeedFromSystem(speed)), speed);
    }
}

TEST(LibinputSpeed, ValuesOutsideEitherRangeAreKeptWithinIt) {
    EXPECT_DOUBLE_EQ(libinputSpeedFromSystem(0), -0.9);
    EXPECT_DOUBLE_EQ(libinputSpeedFromSystem(35), 1.0);
    for (const auto& [speed, system] :
         std::vector<std::pair<double, int>>{{-1.0, 1},
                                             {-5.0, 1},
                                             {3.0, 20},
                                             {0.049, 10},
                                             {0.05, 11},
                                             {-0.05, 9},
                                             {std::numeric_limits<double>::quiet_NaN(), 10},
                                             {std::numeric_limits<double>::infinity(), 10}}) {
        EXPECT_EQ(systemSpeedFromLibinput(speed), system) << speed;
    }
}

} // namespace
} // namespace q417
