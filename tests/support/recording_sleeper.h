#pragma once

#include "device/sleeper.h"

#include <functional>
#include <vector>

namespace q417::test {

// Keeps every pause asked for and returns at once; `onPause`, when set, runs at each pause, so a
// test can act while the code under test is between two exchanges with the mouse.
class RecordingSleeper : public Sleeper {
public:
    void sleepMs(unsigned ms) override {
        pauses.push_back(ms);
        if (onPause) {
            onPause(ms);
        }
    }
    std::vector<unsigned> pauses;
    std::function<void(unsigned ms)> onPause;
};

} // namespace q417::test
