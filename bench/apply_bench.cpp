// The apply against the simulated mouse: with the real pacing pauses (the protocol's 249 ms;
// target at most 3% over), and with pauses that return at once (the program's own cost).
#include "config/apply_sequence.h"
#include "config/device_commands.h"
#include "config/factory_defaults.h"
#include "device/simulated_mouse.h"
#include "device/transport.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

namespace {

class NoMessages : public q417::MessageSink {
public:
    void showMessage(const std::string&, const std::string&) override {}
};

class NoStatus : public q417::DeviceStatusSink {
public:
    void deviceStatus(q417::DeviceStatusCode, int) override {}
};

class NoSleep : public q417::Sleeper {
public:
    void sleepMs(unsigned) override {}
};

void runApply(benchmark::State& state, q417::Sleeper& sleeper) {
    const q417::test::TempDir dir;
    dir.write("config.bin", q417::configFileBytes(q417::factoryConfig(), 1));
    NoMessages messages;
    q417::ConfigFile configFile(dir / "config.bin", messages);
    q417::SimulatedMouse mouse;
    NoStatus status;
    q417::Transport transport(mouse, sleeper, status);
    q417::DeviceImage image;
    transport.handshake();
    q417::DeviceCommands(transport, image).refreshSensorBlock();
    const q417::MouseConfig config = q417::factoryConfig();
    for (auto _ : state) {
        benchmark::DoNotOptimize(q417::applyConfig(config, image, transport, configFile, [] {}));
    }
}

void BM_ApplyWithPacing(benchmark::State& state) {
    q417::RealSleeper sleeper;
    runApply(state, sleeper);
}
BENCHMARK(BM_ApplyWithPacing)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_ApplyProgramCost(benchmark::State& state) {
    NoSleep sleeper;
    runApply(state, sleeper);
}
BENCHMARK(BM_ApplyProgramCost)->Unit(benchmark::kMicrosecond);

} // namespace
