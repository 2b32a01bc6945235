#pragma once

namespace q417 {

// Where the link's pacing pauses go, so tests can record them instead of waiting.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void sleepMs(unsigned ms) = 0;
};

// Waits for real.
class RealSleeper final : public Sleeper {
public:
    void sleepMs(unsigned ms) override;
};

} // namespace q417
