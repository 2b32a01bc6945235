#pragma once

#include "device/sleeper.h"

#include <vector>

namespace q417::test {

// Keeps every pause asked for and returns at once.
class RecordingSleeper : public Sleeper {
public:
    void sleepMs(unsigned ms) override { pauses.push_back(ms); }
    std::vector<unsigned> pauses;
};

} // namespace q417::test
