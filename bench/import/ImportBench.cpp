// Import of a generated machining project from the PDM into a new CAM document: one project
// with N machinings, each with a tool of its own and its order number, as the shipped rules
// carry it. Reports CAM objects made per second, and
// how many searches the PDM saw beyond the one listing of children per imported object:
// those are the searches of the rule reference, which the rule caches keep to a handful.
// Comparing every imported object with its PDM object, as the synchronisation does, is
// measured on the same project.

#include "pdm/rules/IntegrationManager.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamComparator.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/links/ObjectId.h"
#include "platform/cam/Model.h"
#include "platform/arbor/Model.h"
#include "platform/host/Zkw32Doc.h"
#include "tests/pdm/testing/GeneratedProject.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace Vireo::Cam::Pdm;
using Vireo::Arbor::Model::FaultPoint;

void BM_ImportProject(benchmark::State& state)
{
    const int machinings = static_cast<int>(state.range(0));
    Vireo::Testing::GeneratedProject generated(Vireo::Testing::PdmDataFile(""), machinings);
    Vireo::Testing::PdmFixture& pdm = generated.Pdm();
    const auto objects = static_cast<std::size_t>(1 + 2 * machinings);
    std::size_t searches = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CZkw32Doc>();
        pdm.Faults().Reset();
        state.ResumeTiming();

        if (!Vireo::Testing::GeneratedProject::Import(*doc))
            state.SkipWithError("the import failed");

        state.PauseTiming();
        // Every imported object lists its PDM children once; the rest are rule searches.
        searches += pdm.Faults().Count(FaultPoint::Search) - objects;
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects), benchmark::Counter::kIsIterationInvariantRate);
    // One import per run, on a server whose rule sets are not cached yet.
    state.counters["rule_searches"] = static_cast<double>(searches);
}

BENCHMARK(BM_ImportProject)->Arg(1000)->Arg(2000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The imported project, its machinings and their tools.
std::vector<CamObject> importedObjects(CZkw32Doc& doc)
{
    std::vector<CamObject> objects;
    const Vireo::Cam::Model model(&doc);
    for (CZKObject* object : model.GetMachiningProjects().GetAll())
        objects.emplace_back(object);
    for (CZKObject* object : model.GetMachinings().GetAll())
        objects.emplace_back(object);
    for (CZKObject* object : model.GetTools().GetAll())
        objects.emplace_back(object);
    return objects;
}

void BM_CompareProject(benchmark::State& state)
{
    const Vireo::Testing::GeneratedProject generated(Vireo::Testing::PdmDataFile(""), static_cast<int>(state.range(0)));
    CZkw32Doc doc;
    if (!Vireo::Testing::GeneratedProject::Import(doc)) {
        state.SkipWithError("the import failed");
        return;
    }
    const std::vector<CamObject> objects = importedObjects(doc);
    for (auto _ : state) {
        for (const CamObject& object : objects) {
            const auto id = GetObjectIdFromUri(CamObjectManager::GetUri(object));
            PdmCamComparator comparator(id->second, id->first, object);
            if (!IntegrationManager().MakeData(comparator) || comparator.IsDifferent())
                state.SkipWithError("an imported object differs from its PDM object");
        }
    }
    state.counters["objects"] = static_cast<double>(objects.size());
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects.size()), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_CompareProject)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
