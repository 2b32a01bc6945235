// What start-up and a macro save pay for the data files: config.bin load and save, INI look-ups in a
// large record.ini and compiling its macros (every call reads the file afresh, so this is the real cost).
#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "macro/macro_library.h"
#include "platform/ini_file.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

namespace {

class NoMessages : public q417::MessageSink {
public:
    void showMessage(const std::string&, const std::string&) override {}
};

void BM_ConfigLoad(benchmark::State& state) {
    const q417::test::TempDir dir;
    dir.write("config.bin", q417::configFileBytes(q417::factoryConfig(), 1));
    NoMessages messages;
    q417::ConfigFile file(dir / "config.bin", messages);
    for (auto _ : state) {
        q417::MouseConfig config{};
        benchmark::DoNotOptimize(file.loadConfig(config));
    }
}
BENCHMARK(BM_ConfigLoad);

void BM_ConfigSaveAtomic(benchmark::State& state) {
    const q417::test::TempDir dir;
    dir.write("config.bin", q417::configFileBytes(q417::factoryConfig(), 1));
    NoMessages messages;
    q417::ConfigFile file(dir / "config.bin", messages);
    const q417::MouseConfig config = q417::factoryConfig();
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.saveConfig(config));
    }
}
BENCHMARK(BM_ConfigSaveAtomic)->Unit(benchmark::kMillisecond);

void BM_ProfileLookupInLargeFile(benchmark::State& state) {
    const q417::test::TempDir dir;
    std::string text;
    for (int i = 0; i < state.range(0); ++i) {
        text += "[macro " + std::to_string(i) + "]\nItemCount=2\nItem0=A   Dn\nItem1=50 ms\n";
    }
    dir.write("record.ini", text);
    const q417::IniFile file(dir / "record.ini");
    const std::string last = "macro " + std::to_string(state.range(0) - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.readString(last, "Item1"));
    }
}
BENCHMARK(BM_ProfileLookupInLargeFile)->Arg(12)->Arg(10'000)->Unit(benchmark::kMicrosecond);

// Rebuilding the slots reads record.ini once, however many sections it holds.
void BM_CompileMacroSlots(benchmark::State& state) {
    const q417::test::TempDir dir;
    std::string text;
    for (int i = 0; i < state.range(0); ++i) {
        text += "[macro " + std::to_string(i) + "]\nItemCount=3\nItem0=A   Dn\nItem1=50 ms\nItem2=A   Up\n";
    }
    dir.write("record.ini", text);
    const q417::MacroLibrary library(dir / "record.ini");
    q417::MouseConfig config{};
    for (auto _ : state) {
        library.compileMacroSlots(config);
        benchmark::DoNotOptimize(config.macroSlots);
    }
}
BENCHMARK(BM_CompileMacroSlots)->Arg(12)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
