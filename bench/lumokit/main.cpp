// bench_controls [CASE...]
// Runs the LumoKit control benchmarks registered by the files beside this
// one (all of them when no case is named) on the offscreen platform, so the
// figures do not depend on a display.
#include "BenchControls.h"

#include <QApplication>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <map>

namespace bench {

namespace {

std::map<std::string, std::function<void()>>& cases() {
    static std::map<std::string, std::function<void()>> all;
    return all;
}

double threadlessCpuNow() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace

bool registerCase(const std::string& name, std::function<void()> run) {
    cases()[name] = std::move(run);
    return true;
}

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double cpuMicrosecondsPerCall(const std::function<void()>& work, double minSeconds) {
    work(); // warm-up: fonts, glyph caches, first allocations
    long calls = 0;
    const double start = threadlessCpuNow();
    double elapsed = 0;
    do {
        for (int i = 0; i < 10; ++i) {
            work();
        }
        calls += 10;
        elapsed = threadlessCpuNow() - start;
    } while (elapsed < minSeconds);
    return elapsed * 1e6 / static_cast<double>(calls);
}

void report(const std::string& what, double value, double floor, const std::string& unit) {
    std::printf("%-48s %10.3f %-4s (floor %10.3f %s, ratio %6.2f)\n", what.c_str(), value,
                unit.c_str(), floor, unit.c_str(), floor > 0 ? value / floor : 0.0);
    std::fflush(stdout);
}

} // namespace bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    int ran = 0;
    for (const auto& [name, run] : bench::cases()) {
        bool wanted = argc == 1;
        for (int i = 1; i < argc; ++i) {
            wanted = wanted || name == argv[i];
        }
        if (wanted) {
            std::printf("== %s\n", name.c_str());
            run();
            ++ran;
        }
    }
    if (ran == 0) {
        std::fprintf(stderr, "bench_controls: no such case\n");
        return 2;
    }
    return 0;
}
