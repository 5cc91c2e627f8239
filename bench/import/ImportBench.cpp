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
#include "tests/pdm/testing/PdmFixture.h"
#include "tests/pdm/testing/RuleSeed.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cwchar>
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

// A file database holding the generated project and its rules.
struct GeneratedPdm {
    explicit GeneratedPdm(int machinings)
    {
        pdm.SeedText(projectSeed(machinings));
        Vireo::Testing::SeedRuleObjects(pdm, {technologyRules()});
    }
    Vireo::Testing::PdmFixture pdm{Vireo::Testing::PdmDataFile("")};
};

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
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CZkw32Doc>();
        pdm.Faults().Reset();
        state.ResumeTiming();

        if (!importProject(*doc))
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
    const GeneratedPdm generated(static_cast<int>(state.range(0)));
    CZkw32Doc doc;
    if (!importProject(doc)) {
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
