// Opening the synchronisation dialog (its model only, no window) on a generated project of N
// machinings, each with a tool of its own, all linked and in sync: every listed object costs
// one comparison with its PDM object, so the time grows with N. Closing it is reported apart
// (`close_seconds`).

#include "pdm/ui/SynchronizeDialog.h"

#include "tests/pdm/testing/GeneratedProject.h"

#include "platform/host/Zkw32Doc.h"
#include "platform/ui/SimpleList.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

int listRows(Vireo::Cam::Pdm::SynchronizeDialog& dialog)
{
    for (const auto& control : dialog.GetContent().GetControls())
        if (auto* list = dynamic_cast<zkpf::SimpleList*>(control.get()))
            return list->GetRowCount();
    return 0;
}

void BM_OpenSynchronizeDialog(benchmark::State& state)
{
    const int machinings = static_cast<int>(state.range(0));
    Vireo::Testing::GeneratedProject generated(Vireo::Testing::PdmDataFile(""), machinings);
    CZkw32Doc doc;
    if (!Vireo::Testing::GeneratedProject::Import(doc)) {
        state.SkipWithError("the import failed");
        return;
    }
    // Seven folders, then the project, the machinings and the tools with their parameters.
    const int objects = 1 + 2 * machinings;
    int rows = 0;
    double closeSeconds = 0;
    for (auto _ : state) {
        auto dialog = std::make_unique<Vireo::Cam::Pdm::SynchronizeDialog>(&doc);
        rows = listRows(*dialog);
        if (rows <= 7 + objects)
            state.SkipWithError("the list does not hold every object with its parameters");
        // Closing frees the list and its records: timed on its own, as it is not opening.
        state.PauseTiming();
        const auto closing = std::chrono::steady_clock::now();
        dialog.reset();
        closeSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - closing).count();
        state.ResumeTiming();
    }
    state.counters["objects"] = objects;
    state.counters["rows"] = rows;
    state.counters["close_seconds"] = benchmark::Counter(closeSeconds, benchmark::Counter::kAvgIterations);
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_OpenSynchronizeDialog)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
