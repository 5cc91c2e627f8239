// The three transfers at scale, one after the other on one generated project: import of a
// project of N machinings with their tools (1 + 2N objects) from the PDM into a new CAM
// document, comparing every imported object with its PDM object, and exporting the imported
// project as new PDM objects. Each reports its wall time, objects per second and the peak
// resident memory of the process while it ran (which includes the PDM, in memory, and the
// document), so the cost and the memory per object at 100,000 machinings can be set beside
// those at 10,000. Minutes long, so never part of the tests; run it when the machine is idle:
//   build/normal/bench/scale/bench_scale
// or one size with --benchmark_filter='Scale/100000'.

#include "tests/pdm/testing/GeneratedProject.h"

#include "platform/host/Zkw32Doc.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstddef>
#include <fstream>
#include <functional>
#include <string>

namespace {

// The process's peak resident memory in MiB since the last reset; the kernel reports KiB.
double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Starts a new peak at the current resident size (Linux: "5" to clear_refs). Where that is
// refused the peak stays the process's, which only overstates a later stage.
void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Runs one transfer, timed, and reports it under `name`: seconds, objects per second and
// peak MiB. False when it did not handle every object.
bool measure(benchmark::State& state, const std::string& name, std::size_t objects,
             const std::function<std::size_t()>& transfer)
{
    resetPeakResident();
    const auto start = std::chrono::steady_clock::now();
    const std::size_t done = transfer();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters[name + "_seconds"] = seconds;
    state.counters[name + "_objects_per_second"] = static_cast<double>(objects) / seconds;
    state.counters[name + "_peak_MiB"] = peakResidentMiB();
    return done == objects;
}

void Scale(benchmark::State& state)
{
    const int machinings = static_cast<int>(state.range(0));
    const auto objects = static_cast<std::size_t>(1 + 2 * machinings);
    for (auto _ : state) {
        resetPeakResident();
        const double before = peakResidentMiB();
        Vireo::Testing::GeneratedProject generated(Vireo::Testing::PdmDataFile(""), machinings);
        CZkw32Doc doc;
        const bool whole =
            measure(state, "import", objects,
                    [&] { return Vireo::Testing::GeneratedProject::Import(doc) ? objects : 0; }) &&
            measure(state, "compare", objects, [&] { return Vireo::Testing::GeneratedProject::Compare(doc); }) &&
            measure(state, "export", objects, [&] { return Vireo::Testing::GeneratedProject::Export(doc); });
        if (!whole)
            state.SkipWithError("a transfer did not handle every object");
        const double peak = state.counters["export_peak_MiB"];
        state.counters["KiB_per_object"] = (peak - before) * 1024.0 / static_cast<double>(objects);
    }
    state.counters["objects"] = static_cast<double>(objects);
}

BENCHMARK(Scale)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
