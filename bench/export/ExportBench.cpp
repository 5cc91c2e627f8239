// Recursive export of a generated CAM project - one machining per tool - into a file database,
// the same into a PDM on a PostgreSQL server, and four users exporting with campdm at once.
//
// Figures: objects per second (the project, every machining and every tool), the cost per
// object across sizes, and the storage floor: the rows the export wrote, inserted again into a
// freshly seeded database with plain SQLite calls in one transaction (floor_seconds), with the
// export's time as a multiple of it (ratio_to_floor). The export runs as the host program runs
// a command: inside one transaction of the command, each save a savepoint of it. For the share of time inside SQLite, profile one size alone with
// callgrind, counting only the export:
//   valgrind --tool=callgrind --toggle-collect='*exportProject*'
//       bench_export --benchmark_filter='Export/200$'
// (one command line).
#include "pdm/convert/CamPdmCreator.h"
#include "pdm/rules/IntegrationManager.h"
#include "platform/arbor/Database.h"
#include "platform/arbor/Model.h"
#include "platform/arbor/PostgresDatabase.h"
#include "platform/cam/Model.h"
#include "platform/cam/ParameterIds.h"
#include "platform/support/Utf8.h"
#include "tests/pdm/testing/RuleSeed.h"
#include "tests/platform/testing/TestStorage.h"
#include "bench/storage_floor/StorageFloor.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace ArborModel = Vireo::Arbor::Model;
namespace Cam = Vireo::Cam;
namespace Pdm = Vireo::Cam::Pdm;

const std::wstring referenceGuid = L"7ec00000-0000-4000-8000-000000000000";
const std::wstring nameGuid = L"7ec00000-0000-4000-8000-000000000001";
const std::wstring diameterGuid = L"7ec00000-0000-4000-8000-000000000003";

const char technologySeed[] = R"(<Pdm><Reference guid="7ec00000-0000-4000-8000-000000000000" name="Technology" hierarchy="complex">
  <Parameter guid="7ec00000-0000-4000-8000-000000000001" name="Name"/>
  <Parameter guid="7ec00000-0000-4000-8000-000000000003" name="Diameter" type="double" unit="acf9467a-86ac-4aac-bfcf-f9bbf311a761"/>
  <Class guid="7ec00000-0000-4000-8000-0000000000c0" name="Folder" children="7ec00000-0000-4000-8000-0000000000c1"/>
  <Class guid="7ec00000-0000-4000-8000-0000000000c1" name="Project" children="7ec00000-0000-4000-8000-0000000000c2"/>
  <Class guid="7ec00000-0000-4000-8000-0000000000c2" name="Machining" children="7ec00000-0000-4000-8000-0000000000c3"/>
  <Class guid="7ec00000-0000-4000-8000-0000000000c3" name="Tool"/>
</Reference></Pdm>)";

std::wstring path(const std::wstring& parameter)
{
    return L"{" + referenceGuid + L"}.{" + parameter + L"}";
}

std::string ruleSeed()
{
    Vireo::Testing::RuleObjectSeed rules;
    rules.name = L"Technology";
    rules.appCode = L"VIREO CAM";
    rules.datasetGuid = referenceGuid;
    rules.types = {{L"MachiningProject", L"{7ec00000-0000-4000-8000-0000000000c1}", L"", L"", std::nullopt, L""},
                   {L"Machining", L"{7ec00000-0000-4000-8000-0000000000c2}", L"", L"", std::nullopt, L""},
                   {L"Tool", L"{7ec00000-0000-4000-8000-0000000000c3}", L"", L"", std::nullopt, L""}};
    Vireo::Testing::ParamRowSeed name;
    name.appParam = L"Name";
    name.plmParam = path(nameGuid);
    Vireo::Testing::ParamRowSeed diameter;
    diameter.appParam = L"D";
    diameter.appType = L"Tool";
    diameter.plmParam = path(diameterGuid);
    rules.params = {name, diameter};
    return Vireo::Testing::RuleObjectsSeed({rules});
}

std::filesystem::path databasePath()
{
    return std::filesystem::temp_directory_path() / "vireo-export-bench.db";
}

void removeDatabase()
{
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(databasePath().string() + suffix);
}

// A fresh database holding units, rules and the technology reference: the file, or the
// server's PDM a connection text names.
void openSeededDatabase(const std::string& database = databasePath().string())
{
    removeDatabase();
    auto connection = ArborModel::ServerGateway::Open(database);
    const auto data = std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm";
    ArborModel::SeedFromFile(*connection, data / "units.xml");
    ArborModel::SeedFromFile(*connection, data / "integration-rules.xml");
    ArborModel::SeedFromText(*connection, technologySeed, "technology");
    ArborModel::SeedFromText(*connection, ruleSeed(), "rules");
}

Cam::MachiningProject* buildProject(CZkw32Doc& doc, int machinings)
{
    namespace Ids = Cam::HostIds;
    Cam::Model model(&doc);
    auto* project = model.GetMachiningProjects().Create();
    project->SetName(L"Generated");
    for (int i = 0; i < machinings; ++i) {
        auto* tool = model.GetTools().Create();
        tool->SetLogic(Cam::GetDefaultToolLogicFactory().Create(Ids::ToolKinds::MillEnd));
        tool->SetName(L"Tool " + std::to_wstring(i));
        tool->GetParameters().TrySetValue(Ids::ToolParams::MillEnd::D,
                                          Cam::DoubleValue(1 + i % 40, zktypes::ZKUnits::Millimeter));
        auto* machining = project->GetMachinings().Create();
        machining->SetStrategy(Cam::GetDefaultStrategyFactory().Create(Ids::StrategyKinds::MillLayers));
        machining->SetName(L"Machining " + std::to_wstring(i));
        machining->GetTool() = tool;
    }
    return project;
}

// Kept out of line so that a profiler can count this call alone.
[[gnu::noinline]] std::size_t exportProject(Cam::MachiningProject* project)
{
    Pdm::CamPdmCreator creator(Pdm::CamObject{static_cast<CZKObject*>(project)}, System::Guid::Parse(referenceGuid));
    creator.SetRecursive(true);
    return Pdm::IntegrationManager().MakeData(creator) ? creator.GetDatasetObjects().size() : 0;
}

std::shared_ptr<ArborModel::ReferenceInfo> technologyReference()
{
    return ArborModel::ServerGateway::Connection()->ReferenceCatalog()->Find(System::Guid::Parse(referenceGuid));
}

std::size_t countObjects()
{
    auto loader = technologyReference()->CreateReference()->CreateLoader(nullptr, nullptr, nullptr);
    loader->Load();
    return loader->size();
}

// The export as the host program's command makes it: one transaction around it all.
double timedExport(Cam::MachiningProject* project, std::size_t& made)
{
    const auto start = std::chrono::steady_clock::now();
    ArborModel::Database::Transaction command(ArborModel::ServerGateway::Connection()->GetDatabase());
    made = exportProject(project);
    command.Commit();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Export(benchmark::State& state)
{
    const int machinings = static_cast<int>(state.range(0));
    std::size_t objects = 0;
    double exportSeconds = 0;
    double floorSeconds = 0;
    std::size_t floorRows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        openSeededDatabase();
        auto doc = std::make_unique<CZkw32Doc>();
        auto* project = buildProject(*doc, machinings);
        state.ResumeTiming();

        std::size_t made = 0;
        exportSeconds += timedExport(project, made);
        if (made == 0)
            state.SkipWithError("the export failed");

        state.PauseTiming();
        objects = countObjects();
        if (objects != static_cast<std::size_t>(2 * machinings + 1))
            state.SkipWithError("the export left objects out");
        const long long referenceId = technologyReference()->Id();
        ArborModel::ServerGateway::Close();
        const auto rows = Vireo::Bench::ReadObjectRows(databasePath().string(), referenceId);
        openSeededDatabase();
        ArborModel::ServerGateway::Close();
        floorSeconds += Vireo::Bench::TimeRawInserts(databasePath().string(), rows);
        floorRows = rows.Count();
        doc.reset();
        removeDatabase();
        state.ResumeTiming();
    }
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["seconds_per_object"] = benchmark::Counter(
        static_cast<double>(objects) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["floor_rows"] = static_cast<double>(floorRows);
    state.counters["floor_seconds"] = floorSeconds / static_cast<double>(state.iterations());
    state.counters["ratio_to_floor"] = exportSeconds / floorSeconds;
}

BENCHMARK(Export)->Arg(200)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same export into a PDM on the PostgreSQL server VIREO_TEST_POSTGRES names (skipped
// without one), for objects per second beside the file database's, and the calls that waited
// for the server per object.
void ExportOnServer(benchmark::State& state)
{
    if (Vireo::Testing::TestServerText().empty()) {
        state.SkipWithError(Vireo::Testing::NoTestServer);
        return;
    }
    const int machinings = static_cast<int>(state.range(0));
    std::size_t objects = 0;
    std::size_t roundTrips = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Vireo::Testing::TestDatabase server(Vireo::Testing::Storage::Postgres);
        openSeededDatabase(server.Text());
        auto doc = std::make_unique<CZkw32Doc>();
        auto* project = buildProject(*doc, machinings);
        const auto& database =
            dynamic_cast<const ArborModel::PostgresDatabase&>(ArborModel::ServerGateway::Connection()->GetDatabase());
        const std::size_t before = database.RoundTrips();
        state.ResumeTiming();

        std::size_t made = 0;
        timedExport(project, made);
        if (made == 0)
            state.SkipWithError("the export failed");

        state.PauseTiming();
        roundTrips += database.RoundTrips() - before;
        objects = countObjects();
        if (objects != static_cast<std::size_t>(2 * machinings + 1))
            state.SkipWithError("the export left objects out");
        ArborModel::ServerGateway::Close();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["round_trips_per_object"] =
        static_cast<double>(roundTrips) / static_cast<double>(objects * state.iterations());
}

BENCHMARK(ExportOnServer)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

std::string shellQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Four users, each exporting a project of their own with campdm into one PDM: at once on the
// server, one after the other on a file (a command on a file works on a copy of it, so
// writers on one file take turns). Objects per second of all four together.
void FourExporters(benchmark::State& state)
{
    const bool server = state.range(1) == 1;
    if (server && Vireo::Testing::TestServerText().empty()) {
        state.SkipWithError(Vireo::Testing::NoTestServer);
        return;
    }
    constexpr int users = 4;
    const int machinings = static_cast<int>(state.range(0));
    const auto folder = std::filesystem::temp_directory_path() / "vireo-four-exporters";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::unique_ptr<Vireo::Testing::TestDatabase> schema;
        std::string database = (folder / "pdm.db").string();
        if (server) {
            schema = std::make_unique<Vireo::Testing::TestDatabase>(Vireo::Testing::Storage::Postgres);
            database = schema->Text();
        }
        openSeededDatabase(database);
        auto parent = technologyReference()->CreateReference();
        auto folderObject = parent->CreateReferenceObject(
            parent->Classes()->Find(System::Guid::Parse(L"7ec00000-0000-4000-8000-0000000000c0")));
        folderObject->ParameterValues().TrySetValue(System::Guid::Parse(nameGuid), std::wstring(L"Projects"));
        folderObject->ApplyChanges();
        folderObject.reset(); // the last handle on the connection: closing it puts the journal in the file
        parent.reset();
        ArborModel::ServerGateway::Close();
        std::vector<std::string> commands;
        for (int user = 0; user < users; ++user) {
            CZkw32Doc doc;
            buildProject(doc, machinings);
            const auto file = folder / ("user" + std::to_string(user) + ".vcam");
            doc.SaveToFile(file);
            commands.push_back(shellQuoted(CAMPDM_PROGRAM) + " export " + shellQuoted(file.string()) +
                               " Generated --pdm " + shellQuoted(database) + " --reference Technology --parent Projects" +
                               " --no-link >/dev/null");
        }
        std::string all;
        for (const auto& command : commands)
            all += server ? "(" + command + ") & " : command + " && ";
        all += server ? "wait" : "true";
        state.ResumeTiming();
        if (std::system(all.c_str()) != 0) {
            state.SkipWithError("an export failed");
            break;
        }
        state.PauseTiming();
        ArborModel::ServerGateway::Open(database);
        if (countObjects() != static_cast<std::size_t>(users * (2 * machinings + 1) + 1))
            state.SkipWithError("the exports left objects out");
        ArborModel::ServerGateway::Close();
        state.ResumeTiming();
    }
    const double objects = users * (2.0 * machinings + 1);
    state.counters["objects"] = objects;
    state.counters["objects_per_second"] =
        benchmark::Counter(objects * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    std::filesystem::remove_all(folder);
}

BENCHMARK(FourExporters)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->ArgNames({"machinings", "server"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
