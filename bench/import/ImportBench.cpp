// Import of a generated machining project from the PDM into a new CAM document: one project
// with N machinings, each with a tool of its own and its order number, as the shipped rules
// carry it. Reports CAM objects made per second, and
// how many searches the PDM saw beyond the one listing of children per imported object:
// those are the searches of the rule reference, which the rule caches keep to a handful.
// Comparing every imported object with its PDM object, as the synchronisation does, is
// measured on the same project. Both report the storage floor of the same run: the rows the
// import reads (each object's row, values and children, breadth-first from the project) read
// with plain SQLite calls in one transaction (floor_seconds), and the transfer's time as a
// multiple of it (ratio_to_floor).

#include "pdm/rules/IntegrationManager.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamComparator.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/links/ObjectId.h"
#include "platform/cam/Model.h"
#include "platform/arbor/Model.h"
#include "platform/host/Zkw32Doc.h"
#include "tests/pdm/testing/PdmFixture.h"
#include "tests/pdm/testing/RuleSeed.h"
#include "bench/storage_floor/StorageFloor.h"
#include "platform/arbor/Database.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace Vireo::Cam::Pdm;
using Vireo::Arbor::Model::FaultPoint;

constexpr wchar_t reference[] = L"50000000-0000-4000-8000-000000000000";
constexpr wchar_t nameParameter[] = L"50000000-0000-4000-8000-000000000001";
constexpr wchar_t kindParameter[] = L"50000000-0000-4000-8000-000000000002";
constexpr wchar_t feedParameter[] = L"50000000-0000-4000-8000-000000000003";
constexpr wchar_t diameterParameter[] = L"50000000-0000-4000-8000-000000000004";
constexpr wchar_t orderParameter[] = L"50000000-0000-4000-8000-000000000005";
constexpr wchar_t projectClass[] = L"50000000-0000-4000-8000-0000000000c1";
constexpr wchar_t machiningClass[] = L"50000000-0000-4000-8000-0000000000c2";
constexpr wchar_t toolClass[] = L"50000000-0000-4000-8000-0000000000c3";
constexpr wchar_t project[] = L"5f000000-0000-4000-8000-000000000000";

std::string objectGuid(char kind, int index)
{
    char text[40];
    std::snprintf(text, sizeof text, "5%c000000-0000-4000-8000-%012d", kind, index);
    return text;
}

std::string narrow(const wchar_t* text)
{
    return std::string(text, text + std::wcslen(text));
}

std::string value(const wchar_t* parameter, const std::string& text)
{
    return "<Value param=\"" + narrow(parameter) + "\">" + text + "</Value>";
}

// The project with its machinings and their tools as seed text.
std::string projectSeed(int machinings)
{
    std::string seed = "<Pdm><Reference guid=\"" + narrow(reference) + "\" name=\"Technology\" hierarchy=\"complex\">";
    seed += "<Parameter guid=\"" + narrow(nameParameter) + "\" name=\"Name\"/>";
    seed += "<Parameter guid=\"" + narrow(kindParameter) + "\" name=\"Kind\"/>";
    seed += "<Parameter guid=\"" + narrow(feedParameter) + "\" name=\"Feed\" type=\"double\"/>";
    seed += "<Parameter guid=\"" + narrow(diameterParameter) +
            "\" name=\"D\" type=\"double\" unit=\"acf9467a-86ac-4aac-bfcf-f9bbf311a761\"/>";
    seed += "<Parameter guid=\"" + narrow(orderParameter) + "\" name=\"Order\" type=\"int\"/>";
    seed += "<Class guid=\"" + narrow(projectClass) + "\" name=\"Project\"/>";
    seed += "<Class guid=\"" + narrow(machiningClass) + "\" name=\"Machining\"/>";
    seed += "<Class guid=\"" + narrow(toolClass) + "\" name=\"Tool\"/>";
    seed += "<Object guid=\"" + narrow(project) + "\" class=\"" + narrow(projectClass) + "\">" +
            value(nameParameter, "Generated project") + "</Object>";
    for (int i = 0; i < machinings; ++i) {
        const std::string machining = objectGuid('a', i);
        seed += "<Object guid=\"" + machining + "\" class=\"" + narrow(machiningClass) + "\" parents=\"" +
                narrow(project) + "\">" + value(nameParameter, "Machining " + std::to_string(i)) +
                value(kindParameter, "MillLayers") + value(feedParameter, "800") +
                value(orderParameter, std::to_string(i + 1)) + "</Object>";
        seed += "<Object guid=\"" + objectGuid('b', i) + "\" class=\"" + narrow(toolClass) + "\" parents=\"" +
                machining + "\">" + value(nameParameter, "Tool " + std::to_string(i)) +
                value(kindParameter, "ToolMillEnd") + value(diameterParameter, "0.01") + "</Object>";
    }
    return seed + "</Reference></Pdm>";
}

Vireo::Testing::RuleObjectSeed technologyRules()
{
    const auto path = [](const wchar_t* parameter) {
        return L"{" + std::wstring(reference) + L"}.{" + parameter + L"}";
    };
    Vireo::Testing::RuleObjectSeed rules;
    rules.name = L"Generated technology";
    rules.appCode = L"VIREO CAM";
    rules.datasetGuid = reference;
    rules.types = {{L"MachiningProject", projectClass}, {L"Machining", machiningClass}, {L"Tool", toolClass}};
    rules.params = {{L"Name", path(nameParameter)},
                    {L"MachiningType", path(kindParameter), L"Machining", machiningClass},
                    {L"ToolType", path(kindParameter), L"Tool", toolClass},
                    {L"Feed", path(feedParameter)},
                    {L"OrderNo", path(orderParameter), L"Machining", machiningClass},
                    {L"D", path(diameterParameter)}};
    return rules;
}

// A database holding the generated project and its rules, and a file copy of it that the
// storage floor reads: the model and the floor read the same rows in the same schema.
struct GeneratedPdm {
    explicit GeneratedPdm(int machinings)
    {
        pdm.SeedText(projectSeed(machinings));
        Vireo::Testing::SeedRuleObjects(pdm, {technologyRules()});
        removeFloorCopy();
        pdm.Connection().GetDatabase().Execute(("VACUUM INTO '" + floorCopy.string() + "'").c_str());
    }
    ~GeneratedPdm() { removeFloorCopy(); }
    GeneratedPdm(const GeneratedPdm&) = delete;
    GeneratedPdm& operator=(const GeneratedPdm&) = delete;

    Vireo::Testing::PdmFixture pdm{Vireo::Testing::PdmDataFile("")};
    const std::filesystem::path floorCopy = std::filesystem::temp_directory_path() / "vireo-import-floor.db";

private:
    void removeFloorCopy() const
    {
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(floorCopy.string() + suffix);
    }
};

// Seconds of the plain reads of the generated project in `pdm`.
double floorSeconds(const GeneratedPdm& generated, std::size_t expectedObjects, benchmark::State& state)
{
    std::size_t read = 0;
    const double seconds = Vireo::Bench::TimeRawReads(generated.floorCopy.string(), narrow(project), read);
    if (read != expectedObjects)
        state.SkipWithError("the floor read another number of objects");
    return seconds;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Imports the generated project into `doc`, recursively; false when the import fails.
bool importProject(CZkw32Doc& doc)
{
    PdmCamCreator creator(System::Guid::Parse(project), System::Guid::Parse(reference), &doc,
                          Vireo::Cam::UI::MachiningProjectsNode);
    creator.SetRecursive(true);
    return IntegrationManager().MakeData(creator);
}

void BM_ImportProject(benchmark::State& state)
{
    const int machinings = static_cast<int>(state.range(0));
    GeneratedPdm generated(machinings);
    Vireo::Testing::PdmFixture& pdm = generated.pdm;
    const auto objects = static_cast<std::size_t>(1 + 2 * machinings);
    std::size_t searches = 0;
    double importSeconds = 0;
    double floor = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CZkw32Doc>();
        pdm.Faults().Reset();
        state.ResumeTiming();

        const auto start = std::chrono::steady_clock::now();
        if (!importProject(*doc))
            state.SkipWithError("the import failed");
        importSeconds += secondsSince(start);

        state.PauseTiming();
        floor += floorSeconds(generated, objects, state);
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
    const GeneratedPdm generated(static_cast<int>(state.range(0)));
    CZkw32Doc doc;
    if (!importProject(doc)) {
        state.SkipWithError("the import failed");
        return;
    }
    const std::vector<CamObject> objects = importedObjects(doc);
    double compareSeconds = 0;
    double floor = 0;
    for (auto _ : state) {
        state.PauseTiming();
        floor += floorSeconds(generated, objects.size(), state);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        for (const CamObject& object : objects) {
            const auto id = GetObjectIdFromUri(CamObjectManager::GetUri(object));
            PdmCamComparator comparator(id->second, id->first, object);
            if (!IntegrationManager().MakeData(comparator) || comparator.IsDifferent())
                state.SkipWithError("an imported object differs from its PDM object");
        }
        compareSeconds += secondsSince(start);
    }
    state.counters["floor_seconds"] = floor / static_cast<double>(state.iterations());
    state.counters["ratio_to_floor"] = compareSeconds / floor;
    state.counters["objects"] = static_cast<double>(objects.size());
    state.counters["objects_per_second"] =
        benchmark::Counter(static_cast<double>(objects.size()), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_CompareProject)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
