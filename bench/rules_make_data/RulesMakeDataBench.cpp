// The cost of IntegrationManager::MakeData when the caches answer:
// - a rule-set cache hit on 55 types with 20 parameter rows each, next to a plain copy of
//   that rule set (the hit should cost at most 1.5 copies);
// - a rule-set cache miss over 50 rule objects whose rows are all in the rule-list cache,
//   which searches the PDM but reads no row.

#include "pdm/rules/IntegrationManager.h"
#include "platform/arbor/FaultPlan.h"
#include "tests/pdm/testing/PdmFixture.h"
#include "tests/pdm/testing/RuleSeed.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace Vireo::Cam::Pdm;
using namespace Vireo::Testing;
using Vireo::Arbor::Model::FaultPoint;

const std::wstring cam = L"VIREO CAM";
const std::wstring dataset = L"14647778-3afb-4369-84cf-3f0bcc39fb94";

// Asks for every rule of the application and keeps only the size of what it is given.
class CountingBuilder : public IntegrationBuilder {
public:
    AppFilter appFilter{{cam, std::nullopt}};
    std::size_t typeRows = 0;

    NameFilter GetNameFilter() const override { return IntegrationBuilder::GetNameFilter(); }
    AppFilter GetAppFilter() const override { return appFilter; }
    PlmFilter GetPlmFilter() const override { return {{dataset, {}}}; }
    bool IsValidType(const AppDataset& d, const Types& row) const override
    {
        return IntegrationBuilder::IsValidType(d, row);
    }
    bool ProcessRules(const IntegrationRules& rules) override
    {
        typeRows = rules.GetTypes().empty() ? 0 : rules.GetTypes().begin()->second.size();
        return true;
    }
};

std::wstring classGuid(int n)
{
    std::wstring digits = std::to_wstring(n);
    return L"{00000000-0000-0000-0000-" + std::wstring(12 - digits.size(), L'0') + digits + L"}";
}

// One rule object per entry, each with `types` type rows and `paramsPerType` rows for each.
std::vector<RuleObjectSeed> ruleObjects(int objects, int types, int paramsPerType)
{
    std::vector<RuleObjectSeed> seeds;
    for (int o = 0; o < objects; ++o) {
        RuleObjectSeed seed{.name = L"Rules " + std::to_wstring(o), .appCode = cam, .datasetGuid = dataset,
                            .loadingFolder = L"Tools"};
        for (int t = 0; t < types; ++t) {
            const std::wstring appType = L"Type" + std::to_wstring(o * types + t);
            const std::wstring plmType = L"Class^" + classGuid(o * types + t);
            seed.types.push_back({.appType = appType, .plmType = plmType});
            for (int p = 0; p < paramsPerType; ++p)
                seed.params.push_back({.appParam = L"P" + std::to_wstring(p),
                                       .plmParam = L"{ref}.{group}." + classGuid(p),
                                       .appType = appType,
                                       .plmType = plmType,
                                       .paramName = L"Parameter " + std::to_wstring(p),
                                       .order = p});
        }
        seeds.push_back(std::move(seed));
    }
    return seeds;
}

void BM_MakeDataRuleCacheHit(benchmark::State& state)
{
    PdmFixture pdm{PdmDataFile("")};
    SeedRuleObjects(pdm, ruleObjects(1, 55, 20));
    CountingBuilder builder;
    IntegrationManager().MakeData(builder);
    pdm.Faults().Reset();
    for (auto _ : state)
        benchmark::DoNotOptimize(IntegrationManager().MakeData(builder));
    state.counters["types"] = static_cast<double>(builder.typeRows);
    state.counters["searches"] = static_cast<double>(pdm.Faults().Count(FaultPoint::Search));
}
BENCHMARK(BM_MakeDataRuleCacheHit);

void BM_CopyRuleSet(benchmark::State& state)
{
    PdmFixture pdm{PdmDataFile("")};
    SeedRuleObjects(pdm, ruleObjects(1, 55, 20));
    struct KeepingBuilder : CountingBuilder {
        IntegrationRules kept;
        bool ProcessRules(const IntegrationRules& rules) override
        {
            kept = rules;
            return true;
        }
    } builder;
    IntegrationManager().MakeData(builder);
    for (auto _ : state) {
        IntegrationRules copy = builder.kept;
        benchmark::DoNotOptimize(copy);
    }
    state.counters["params"] = static_cast<double>(builder.kept.GetParams().begin()->second.size());
}
BENCHMARK(BM_CopyRuleSet);

void BM_MakeDataMissWithCachedRows(benchmark::State& state)
{
    PdmFixture pdm{PdmDataFile("")};
    const int objects = static_cast<int>(state.range(0));
    SeedRuleObjects(pdm, ruleObjects(objects, 1, 4));
    CountingBuilder builder;
    IntegrationManager().MakeData(builder); // reads every rule object's rows once
    pdm.Faults().Reset();
    long long key = 0;
    for (auto _ : state) {
        builder.appFilter = {{cam, std::nullopt}, {L"unused " + std::to_wstring(++key), std::nullopt}};
        benchmark::DoNotOptimize(IntegrationManager().MakeData(builder));
    }
    const auto& faults = pdm.Faults();
    state.counters["searches"] = benchmark::Counter(static_cast<double>(faults.Count(FaultPoint::Search)),
                                                    benchmark::Counter::kAvgIterations);
    state.counters["row_reads"] = static_cast<double>(faults.Count(FaultPoint::ObjectRead) +
                                                      faults.Count(FaultPoint::TableRead));
    state.counters["types"] = static_cast<double>(builder.typeRows);
}
BENCHMARK(BM_MakeDataMissWithCachedRows)->Arg(50)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
