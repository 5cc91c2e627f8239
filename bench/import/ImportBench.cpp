// Import of a generated machining project from the PDM into a new CAM document: one project
// with N machinings, each with a tool of its own and its order number, as the shipped rules
// carry it. Reports CAM objects made per second, and
// how many searches the PDM saw beyond the one listing of children per imported object:
// those are the searches of the rule reference, which the rule caches keep to a handful.
// Comparing every imported object with its PDM object, as the synchronisation does, is
// measured on the same project. Both report the storage floor of the same run: the rows the
// import reads (each object's row, values and children, breadth-first from the project) read
// with plain SQLite calls in one transaction from a file copy of the PDM (floor_seconds), and
// the transfer's time as a multiple of it (ratio_to_floor).

#include "platform/arbor/Model.h"
#include "platform/host/Zkw32Doc.h"
#include "tests/pdm/testing/GeneratedProject.h"
#include "tests/platform/testing/TestStorage.h"
#include "bench/storage_floor/StorageFloor.h"
#include "platform/arbor/Database.h"
#include "platform/arbor/PostgresDatabase.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>

namespace {

using Vireo::Arbor::Model::FaultPoint;

// The generated project's root object.
constexpr char projectGuid[] = "5f000000-0000-4000-8000-000000000000";

// A file copy of a PDM that the storage floor reads: the same rows in the same schema.
class FloorCopy {
public:
    explicit FloorCopy(Vireo::Testing::PdmFixture& pdm)
    {
        remove();
        pdm.Connection().GetDatabase().Execute(("VACUUM INTO '" + path_.string() + "'").c_str());
    }
    ~FloorCopy() { remove(); }
    FloorCopy(const FloorCopy&) = delete;
    FloorCopy& operator=(const FloorCopy&) = delete;

    // Seconds of the plain reads of the generated project.
    double Seconds(std::size_t expectedObjects, benchmark::State& state) const
    {
        std::size_t read = 0;
        const double seconds = Vireo::Bench::TimeRawReads(path_.string(), projectGuid, read);
        if (read != expectedObjects)
            state.SkipWithError("the floor read another number of objects");
        return seconds;
    }

private:
    void remove() const
    {
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(path_.string() + suffix);
    }
    const std::filesystem::path path_ = std::filesystem::temp_directory_path() / "vireo-import-floor.db";
};

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ImportProject(benchmark::State& state)
{
    const int machinings = static_cast<int>(state.range(0));
    Vireo::Testing::GeneratedProject generated(Vireo::Testing::PdmDataFile(""), machinings);
    Vireo::Testing::PdmFixture& pdm = generated.Pdm();
    const auto objects = static_cast<std::size_t>(1 + 2 * machinings);
    const FloorCopy floorCopy(pdm);
    std::size_t searches = 0;
    double importSeconds = 0;
    double floor = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CZkw32Doc>();
        pdm.Faults().Reset();
        state.ResumeTiming();

        const auto start = std::chrono::steady_clock::now();
        if (!Vireo::Testing::GeneratedProject::Import(*doc))
            state.SkipWithError("the import failed");
        importSeconds += secondsSince(start);

        state.PauseTiming();
        floor += floorCopy.Seconds(objects, state);
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
    state.counters["floor_seconds"] = floor / static_cast<double>(state.iterations());
    state.counters["ratio_to_floor"] = importSeconds / floor;
}

BENCHMARK(BM_ImportProject)->Arg(1000)->Arg(2000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same import from a PDM on the PostgreSQL server VIREO_TEST_POSTGRES names (skipped
// without one), for objects per second beside the in-memory database's, and the calls that
// waited for the server per object: on a loaded machine those waits are most of the time.
void BM_ImportProjectFromServer(benchmark::State& state)
{
    if (Vireo::Testing::TestServerText().empty()) {
        state.SkipWithError(Vireo::Testing::NoTestServer);
        return;
    }
    const int machinings = static_cast<int>(state.range(0));
    const Vireo::Testing::TestDatabase server(Vireo::Testing::Storage::Postgres);
    Vireo::Testing::GeneratedProject generated(Vireo::Testing::PdmDataFile(""), machinings, server.Text());
    const auto& database =
        dynamic_cast<const Vireo::Arbor::Model::PostgresDatabase&>(generated.Pdm().Connection().GetDatabase());
    const auto objects = static_cast<std::size_t>(1 + 2 * machinings);
    std::size_t roundTrips = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CZkw32Doc>();
        const std::size_t before = database.RoundTrips();
        state.ResumeTiming();
        if (!Vireo::Testing::GeneratedProject::Import(*doc))
            state.SkipWithError("the import failed");
        state.PauseTiming();
        roundTrips += database.RoundTrips() - before;
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["round_trips_per_object"] =
        static_cast<double>(roundTrips) / static_cast<double>(objects * state.iterations());
}

BENCHMARK(BM_ImportProjectFromServer)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CompareProject(benchmark::State& state)
{
    const int machinings = static_cast<int>(state.range(0));
    Vireo::Testing::GeneratedProject generated(Vireo::Testing::PdmDataFile(""), machinings);
    const FloorCopy floorCopy(generated.Pdm());
    CZkw32Doc doc;
    if (!Vireo::Testing::GeneratedProject::Import(doc)) {
        state.SkipWithError("the import failed");
        return;
    }
    const auto objects = static_cast<std::size_t>(1 + 2 * machinings);
    double compareSeconds = 0;
    double floor = 0;
    for (auto _ : state) {
        state.PauseTiming();
        floor += floorCopy.Seconds(objects, state);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        if (Vireo::Testing::GeneratedProject::Compare(doc) != objects)
            state.SkipWithError("an imported object differs from its PDM object");
        compareSeconds += secondsSince(start);
    }
    state.counters["floor_seconds"] = floor / static_cast<double>(state.iterations());
    state.counters["ratio_to_floor"] = compareSeconds / floor;
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_CompareProject)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
