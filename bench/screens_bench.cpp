// Benchmarks of the application on the offscreen platform: one full run of
// every calculator screen, an ENTER on the twin-T page, the main window's
// creation with its init pass, a font's first use, and the number
// conversions.
//
// The application is started in-process once, as the tests start it; every
// page gets typical values typed into its fields before anything is timed.

#include "app/main_window.h"
#include "app/screens.h"
#include "calc/common/shell.h"
#include "toolkit/qt/qt_bridge.h"
#include "toolkit/testing/probe.h"
#include "toolkit/text.h"
#include "toolkit/window.h"

#include "bench/page_inputs.h"

#include <benchmark/benchmark.h>

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

using namespace tk;

namespace {

Window g_app = nullptr;

// One full run of a screen: fields read, values computed, backdrop, page and
// value labels drawn, repaint requested. The paint that follows is handled
// outside the timing.
void ScreenRun(benchmark::State& state, int id) {
    RunScreen(g_app, *FindScreen(id));
    ProbeProcessEvents();
    for (auto _ : state) {
        RunScreen(g_app, *FindScreen(id));
        state.PauseTiming();
        ProbeProcessEvents();
        state.ResumeTiming();
    }
}

// ENTER pressed in a field of the twin-T page: the key is forwarded, the
// page runs four times and the window is painted.
void EnterOnTwinT(benchmark::State& state) {
    RunScreen(g_app, *FindScreen(1035));
    ProbeProcessEvents();
    for (auto _ : state) {
        if (!ProbePressKey("Return")) {
            state.SkipWithError("no field has the focus");
            break;
        }
        ProbeProcessEvents();
    }
}

// The main window made from nothing: canvas, fonts, close button, the init
// pass over all eighteen screens, menu bar, start page, shown and painted
// once. Each new window gets a title of its own (one window per title), and
// the running application's state is put back afterwards.
void WindowCreation(benchmark::State& state) {
    const ShellState kept = g_shell;
    std::vector<ScreenControls> keptControls;
    for (const Screen* entry : AllScreens()) keptControls.push_back(ControlsOf(*entry));
    static int serial = 0;

    for (auto _ : state) {
        state.PauseTiming();
        g_shell = ShellState{};
        for (const Screen* entry : AllScreens()) ControlsOf(*entry) = {};
        const std::size_t controlsBefore = tk::Controls().size();
        const std::string title = "Selvaquin benchmark " + std::to_string(++serial);
        state.ResumeTiming();

        Window window =
            OpenMainWindow(0, title.c_str(), 400, 100, 1006, 600, "MIN_MAX_CLO", MainWindowProc);
        if (window != nullptr) CenterWindow(window);
        ProbeProcessEvents();

        state.PauseTiming();
        if (window == nullptr) {
            state.SkipWithError("no window");
            break;
        }
        // The window's handles are kept, as the toolkit keeps every handle;
        // its widgets go.
        static auto* retired = new std::vector<Window>;
        retired->push_back(window);
        retired->insert(retired->end(), tk::Controls().begin() + controlsBefore,
                        tk::Controls().end());
        tk::Controls().resize(controlsBefore);
        delete window->widget;
        window->widget = nullptr;
        window->client = nullptr;
        ProbeProcessEvents();
        state.ResumeTiming();
    }

    g_shell = kept;
    std::size_t i = 0;
    for (const Screen* entry : AllScreens()) ControlsOf(*entry) = keptControls[i++];
}

// A font's first use: sized to the cell asked for, its face is loaded at two
// or three sizes, and each load is matched against every font fontconfig
// holds. Each iteration asks for a height not asked for before, so that no
// loaded face is reused. Next to it, the floor: a plain Qt font (the
// application font's family) loaded at a size not loaded before.
void FontFirstUse(benchmark::State& state) {
    static int height = 40;
    for (auto _ : state) {
        ++height;
        const Font font = MakeFont(height, height / 2, 0, 400, 0, 0, kFace);
        benchmark::DoNotOptimize(DescribeFont(font).cellHeight);
    }
}

void QtFontFirstUse(benchmark::State& state) {
    static int size = 40;
    for (auto _ : state) {
        QFont font;
        font.setPixelSize(++size);
        benchmark::DoNotOptimize(QFontMetrics(font).height());
    }
}

// Texts as users type them, and results as pages format them.
const char* const kNumberTexts[] = {"2500.5", "0.047", "8", "1000", "6.4", "0.01", "", "1e3"};
struct Formatting {
    double value;
    int decimals;
};
const Formatting kResults[] = {{1591.5494309189535, 0},
                               {0.7808688094430304, 3},
                               {1.5, 2},
                               {2.125, 2},  // the last one an exact half
                               {3.3863165, 4},
                               {0.000123456789, 8}};

void ParseNumbers(benchmark::State& state) {
    for (auto _ : state) {
        for (const char* text : kNumberTexts) benchmark::DoNotOptimize(ParseNumber(text));
    }
    state.SetItemsProcessed(state.iterations() * std::size(kNumberTexts));
}

void FormatNumbers(benchmark::State& state) {
    std::string text;
    for (auto _ : state) {
        for (const Formatting& f : kResults) {
            FormatNumber(text, f.value, f.decimals);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * std::size(kResults));
}

// Five repetitions each; the report shows mean, median and spread.
benchmark::internal::Benchmark* Median(benchmark::internal::Benchmark* b) {
    return b->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (InitToolkit(argc, argv, "offscreen", {kFace}) != 0) return 1;
    g_app = StartSelvaquin();
    if (g_app == nullptr) return 1;
    ProbeProcessEvents();
    const std::vector<bench::PageInput> pages = bench::Pages();
    if (!bench::FillPages(g_app, pages)) return 1;

    for (const bench::PageInput& page : pages) {
        const std::string name = "Screen/" + std::to_string(page.id) + "_" + page.name;
        Median(benchmark::RegisterBenchmark(name.c_str(), ScreenRun, page.id))
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2);
    }
    Median(benchmark::RegisterBenchmark("EnterTwinT_1035", EnterOnTwinT))
        ->Unit(benchmark::kMicrosecond)
        ->MinTime(0.2);
    Median(benchmark::RegisterBenchmark("FontFirstUse", FontFirstUse))
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(20);
    Median(benchmark::RegisterBenchmark("FontFirstUse/floor_QtFont", QtFontFirstUse))
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(20);
    Median(benchmark::RegisterBenchmark("ParseNumber", ParseNumbers))->MinTime(0.2);
    Median(benchmark::RegisterBenchmark("FormatNumber", FormatNumbers))->MinTime(0.2);
    // Last: it makes and throws away whole windows.
    Median(benchmark::RegisterBenchmark("WindowCreation", WindowCreation))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
