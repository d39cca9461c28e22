// selvaquin-pages [RUNS]: every page's full run (fields read, values
// computed, page drawn into the canvas; the paint that follows not timed) in
// ten batches of RUNS (default 30) after the page's typical values are typed.
// Prints each page's mean over its fastest batch in microseconds, then
// "total" and their sum; the same program natively (build/default/bench) and
// in the browser (bench/web.mjs compares the two).

#include "app/main_window.h"
#include "bench/page_inputs.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace tk;

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    if (runs <= 0 || InitToolkit(argc, argv, "offscreen", {kFace}) != 0) return 1;
    const Window app = StartSelvaquin();
    const std::vector<bench::PageInput> pages = bench::Pages();
    if (app == nullptr || !bench::FillPages(app, pages)) return 1;
    double total = 0;
    for (const bench::PageInput& page : pages) {
        const Screen& screen = *FindScreen(page.id);
        RunScreen(app, screen);  // its first run unmeasured
        ProbeProcessEvents();
        double mean = 1e300;  // the fastest of ten batches: the least disturbed by other work
        for (int batch = 0; batch < 10; ++batch) {
            std::chrono::steady_clock::duration spent{};
            for (int i = 0; i < runs; ++i) {
                const auto start = std::chrono::steady_clock::now();
                RunScreen(app, screen);
                spent += std::chrono::steady_clock::now() - start;
                ProbeProcessEvents();
            }
            mean = std::min(mean, std::chrono::duration<double, std::micro>(spent).count() / runs);
        }
        std::printf("%s %.1f\n", page.name.c_str(), mean);
        total += mean;
    }
    std::printf("total %.1f\n", total);
    return 0;
}
