// Drawing costs of the main window on the offscreen platform: a whole basic-page build with the
// skin images already decoded (target under 2 ms), the same with the decoded images dropped first
// (a new skin), a frame-button and a key-row hover redraw (target under 0.2 ms), and opening and
// closing a function list (target under 5 ms).
#include "app/application.h"
#include "config/factory_defaults.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

class NoBalloons : public q417::TrayNotifier {
public:
    void showBalloon(const std::string&, const std::string&, int) override {}
};

class NoMessages : public q417::MessageSink {
public:
    void showMessage(const std::string&, const std::string&) override {}
};

// The build's own data folder, skins included, copied so the benchmark changes nothing there.
struct Fixture {
    Fixture() {
        const auto built = std::filesystem::path(Q417_RUNTIME_DIR);
        std::filesystem::copy(built, dir.path(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        q417::MouseConfig config = q417::factoryConfig();
        config.banks[0].function[2] = 0; // a second left click, so row 1's list may open
        dir.write("config.bin", q417::configFileBytes(config, 1));
        // A full macro library: twelve macros of twenty lines.
        std::string macros;
        for (int m = 0; m < 12; ++m) {
            macros += "[Macro " + std::to_string(m) + "]\nItemCount=20\n";
            for (int line = 0; line < 20; ++line) {
                macros += "Item" + std::to_string(line) + "=" + (line % 2 == 0 ? "A   Dn" : "50 ms") + "\n";
            }
        }
        dir.write("record.ini", macros);
        q417::GuiOptions options;
        options.dataDir = dir.path();
        options.device.simulate = true;
        q417::Application::Seams seams;
        seams.messages = &messages;
        seams.balloons = &balloons;
        seams.pointer = &pointer; // the desktop's own settings stay untouched
        seams.trayAvailable = true;
        app = std::make_unique<q417::Application>(options, seams);
        app->start();
        app->window().show();
    }
    q417::test::TempDir dir;
    NoMessages messages;
    NoBalloons balloons;
    q417::NoPointerSettings pointer;
    std::unique_ptr<q417::Application> app;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_FullFrameRedraw(benchmark::State& state) {
    auto& window = fixture().app->window();
    for (auto _ : state) {
        window.rebuildCurrentPage();
        window.repaint();
    }
}
BENCHMARK(BM_FullFrameRedraw)->Unit(benchmark::kMicrosecond);

void BM_BasicPageBuildNewSkin(benchmark::State& state) {
    auto& window = fixture().app->window();
    for (auto _ : state) {
        window.dropDecodedImages();
        window.rebuildCurrentPage();
    }
}
BENCHMARK(BM_BasicPageBuildNewSkin)->Unit(benchmark::kMicrosecond);

// Lights two partners in turn, so every iteration lights one and restores the other.
void alternateHover(benchmark::State& state, QPoint first, QPoint second) {
    auto& window = fixture().app->window();
    bool onFirst = false;
    for (auto _ : state) {
        window.lightAt(onFirst ? second : first);
        window.repaint();
        onFirst = !onFirst;
    }
}

void BM_HoverRedraw(benchmark::State& state) {
    alternateHover(state, {600, 630}, {700, 630}); // OK and Apply
}
BENCHMARK(BM_HoverRedraw)->Unit(benchmark::kMicrosecond);

void BM_BasicPageBuild(benchmark::State& state) {
    auto& window = fixture().app->window();
    for (auto _ : state) {
        window.rebuildCurrentPage();
    }
}
BENCHMARK(BM_BasicPageBuild)->Unit(benchmark::kMicrosecond);

void BM_KeyRowHover(benchmark::State& state) {
    alternateHover(state, {300, 255}, {300, 280}); // key rows 3 and 4
}
BENCHMARK(BM_KeyRowHover)->Unit(benchmark::kMicrosecond);

void BM_FunctionListOpen(benchmark::State& state) {
    auto& window = fixture().app->window();
    for (auto _ : state) {
        window.dispatchClick({300, 210}); // opens row 1's list
        window.repaint();
        state.PauseTiming();
        window.dispatchClick({300, 210}); // and closes it again
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FunctionListOpen)->Unit(benchmark::kMicrosecond);

// The advanced page built from the record, its macro area filled from record.ini.
void BM_AdvancedPageSwitch(benchmark::State& state) {
    auto& window = fixture().app->window();
    for (auto _ : state) {
        window.dispatchClick({80, 70}); // next page
        window.repaint();
        state.PauseTiming();
        window.dispatchClick({34, 74}); // and back
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AdvancedPageSwitch)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
