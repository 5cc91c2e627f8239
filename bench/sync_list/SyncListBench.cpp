// Opening the synchronisation dialog (its model only, no window) on a generated project of N
// machinings, each with a tool of its own, all linked and in sync: every listed object costs
// one comparison with its PDM object, so the time grows with N.

#include "pdm/ui/SynchronizeDialog.h"

#include "tests/pdm/testing/GeneratedProject.h"

#include "platform/host/Zkw32Doc.h"
#include "platform/ui/SimpleList.h"

#include <benchmark/benchmark.h>

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
    for (auto _ : state) {
        Vireo::Cam::Pdm::SynchronizeDialog dialog(&doc);
        rows = listRows(dialog);
        if (rows <= 7 + objects)
            state.SkipWithError("the list does not hold every object with its parameters");
    }
    state.counters["objects"] = objects;
    state.counters["rows"] = rows;
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_OpenSynchronizeDialog)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
