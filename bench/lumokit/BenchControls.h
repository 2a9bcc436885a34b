#pragma once

// bench_controls: one file per LumoKit control registers its cases here;
// main runs them all, or those whose names are given on the command line.
// Each figure is printed beside a floor measured in the same run (the same
// drawing done once with plain QPainter, or an empty event loop) and the
// ratio, because the machine is shared and absolute times drift.
#include <functional>
#include <string>

namespace bench {

// Registers a case; call from a static initialiser:
//     static const bool registered = bench::registerCase("tabstrip", &run);
bool registerCase(const std::string& name, std::function<void()> run);

// Processor time of the whole process so far, in seconds (getrusage).
double processCpuSeconds();

// Processor microseconds per call of work, over at least minSeconds of
// processor time (after one warm-up call).
double cpuMicrosecondsPerCall(const std::function<void()>& work, double minSeconds = 0.5);

// "what: value unit (floor: f unit, ratio r)".
void report(const std::string& what, double value, double floor, const std::string& unit);

} // namespace bench
