#include "pdm/rules/IntegrationManager.h"
#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/ModelException.h"
#include "tests/pdm/testing/PdmFixture.h"
#include "tests/pdm/testing/PdmSeed.h"
#include "tests/pdm/testing/RuleSeed.h"
#include "tests/pdm/testing/TestBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Vireo::Cam::Pdm;
using namespace Vireo::Testing;
using Vireo::Arbor::Model::FaultAction;
using Vireo::Arbor::Model::FaultPoint;
using Vireo::Arbor::Model::ModelException;

const std::wstring cam = L"VIREO CAM";
const std::wstring d1 = L"11111111-1111-1111-1111-111111111111";
const std::wstring d2 = L"22222222-2222-2222-2222-222222222222";
const std::wstring c1 = L"c1c1c1c1-0000-0000-0000-000000000001";
const std::wstring c2 = L"c2c2c2c2-0000-0000-0000-000000000002";
const std::wstring c3 = L"c3c3c3c3-0000-0000-0000-000000000003";

class MakeData : public testing::Test {
protected:
    PdmFixture pdm{PdmDataFile("")};
    TestBuilder builder;

    bool run(TestBuilder& b) { return IntegrationManager().MakeData(b); }
    bool run() { return run(builder); }

    std::size_t reads() const
    {
        return pdm.Faults().Count(FaultPoint::ObjectRead) + pdm.Faults().Count(FaultPoint::TableRead) +
               pdm.Faults().RowsRead();
    }
};

// The application types of the type rows a dataset received, in order.
std::vector<std::wstring> appTypes(const IntegrationRules& rules, const std::wstring& appCode,
                                   const std::wstring& datasetGuid)
{
    std::vector<std::wstring> names;
    const auto found = rules.GetTypes().find(AppDataset{appCode, L"", datasetGuid});
    if (found != rules.GetTypes().end())
        for (const auto& row : found->second)
            names.push_back(row.appType);
    return names;
}

std::vector<std::wstring> appParams(const IntegrationRules& rules, const std::wstring& appCode,
                                    const std::wstring& datasetGuid)
{
    std::vector<std::wstring> names;
    const auto found = rules.GetParams().find(AppDataset{appCode, L"", datasetGuid});
    if (found != rules.GetParams().end())
        for (const auto& row : found->second)
            names.push_back(row.appParam);
    return names;
}

TEST_F(MakeData, CallsNoHookWithoutConnection)
{
    pdm.Disconnect();
    EXPECT_FALSE(run());
    EXPECT_TRUE(builder.hooks.empty());
}

TEST_F(MakeData, FailsQuietlyWithoutTheRuleReference)
{
    PdmFixture bare{PdmDataFile(""), PdmFixture::RuleReference::Missing};
    EXPECT_FALSE(run());
    const std::vector<std::string> filtersOnly{"GetNameFilter", "GetPlmFilter", "GetAppFilter"};
    EXPECT_EQ(builder.hooks, filtersOnly);
    EXPECT_TRUE(bare.Ui().Messages().empty());
}

TEST_F(MakeData, SecondIdenticalCallReadsNothingAndStillChecksTypes)
{
    SeedRuleObjects(pdm, {{.name = L"Tools", .appCode = cam, .datasetGuid = d1,
                           .types = {{.appType = L"ToolMillEnd", .plmType = c1}, {.appType = L"ToolDrill", .plmType = c2}},
                           .params = {{.appParam = L"D", .plmParam = L"{x}.P"}}}});
    builder.appFilter = {{cam, std::nullopt}};
    builder.plmFilter = {{d1, {}}};
    ASSERT_TRUE(run());
    const std::vector<std::string> firstHooks{"GetNameFilter", "GetPlmFilter", "GetAppFilter",
                                              "IsValidType",   "IsValidType",  "ProcessRules"};
    EXPECT_EQ(builder.hooks, firstHooks);
    EXPECT_GT(reads(), 0U);

    pdm.Faults().Reset();
    builder.typeCheck = [](const AppDataset&, const Types& row) { return row.appType != L"ToolDrill"; };
    builder.result = false;
    EXPECT_FALSE(run()) << "the builder's result is the result";
    EXPECT_EQ(pdm.Faults().Count(FaultPoint::Search), 0U);
    EXPECT_EQ(reads(), 0U);
    EXPECT_EQ(appTypes(builder.received.at(1), cam, d1), std::vector<std::wstring>{L"ToolMillEnd"});

    // The rejected row was dropped from the builder's copy only.
    builder.typeCheck = [](const AppDataset&, const Types&) { return false; };
    run();
    EXPECT_TRUE(builder.received.at(2).GetTypes().empty()) << "an emptied dataset is erased";
    EXPECT_EQ(builder.received.at(2).GetParams().size(), 1U) << "parameter rows are not filtered";
    builder.typeCheck = nullptr;
    run();
    EXPECT_EQ(appTypes(builder.received.at(3), cam, d1).size(), 2U);
    EXPECT_EQ(reads(), 0U);
}

TEST_F(MakeData, NestedCallInsideProcessRulesLeavesTheCopyAlone)
{
    SeedRuleObjects(pdm, {{.name = L"A", .appCode = cam, .datasetGuid = d1, .types = {{.appType = L"T", .plmType = c1}}}});
    TestBuilder child;
    child.nameFilter = {L"nothing of that name"};
    builder.whileProcessing = [&] {
        EXPECT_TRUE(run(child));
        EXPECT_EQ(appTypes(builder.received.back(), cam, d1), std::vector<std::wstring>{L"T"});
    };
    EXPECT_TRUE(run());
    ASSERT_EQ(child.received.size(), 1U);
    EXPECT_TRUE(child.received[0].GetTypes().empty()) << "finding nothing is no failure";
}

TEST_F(MakeData, TermsAreOrWithinAGroupAndGroupsAreAnded)
{
    // Each rule object's one type row is named after the object.
    const struct {
        std::wstring name, appCode, dataset;
    } objects[] = {{L"A", cam, d1}, {L"B", cam, d1}, {L"A", L"OTHER", d1}, {L"A", cam, d2}, {L"C", cam, d1}};
    std::vector<RuleObjectSeed> seeds;
    for (const auto& o : objects)
        seeds.push_back({.name = o.name, .appCode = o.appCode, .datasetGuid = o.dataset,
                         .types = {{.appType = o.name + L"/" + o.appCode + L"/" + o.dataset.substr(0, 1)}}});
    SeedRuleObjects(pdm, seeds);

    builder.nameFilter = {L"B", L"A"};
    builder.appFilter = {{cam, std::nullopt}, {L"ABSENT", std::nullopt}};
    builder.plmFilter = {{d1, {}}};
    ASSERT_TRUE(run());
    const auto& rules = builder.received.at(0);
    EXPECT_EQ(appTypes(rules, cam, d1), (std::vector<std::wstring>{L"A/VIREO CAM/1", L"B/VIREO CAM/1"}));
    EXPECT_EQ(rules.GetTypes().size(), 1U);
    EXPECT_EQ(rules.GetTypes().begin()->first.name, L"A") << "the first object's name keys the dataset";

    TestBuilder any;
    ASSERT_TRUE(run(any));
    EXPECT_EQ(any.received.at(0).GetTypes().size(), 3U) << "empty filters do not restrict the search";
}

TEST_F(MakeData, ReadsCellsAsTheRuleFormatSays)
{
    const std::wstring braced = L"{" + c1 + L"}";
    SeedRuleObjects(pdm, {{.name = L"Tools", .appCode = cam, .datasetGuid = d1, .loadingFolder = L"Tools/Mills",
                           .types = {{.appType = L"ToolMillEnd", .plmType = L"End mills^" + braced,
                                      .plmTag = L"{r}.{t}." + braced, .plmTagValue = L"Shank",
                                      .appDataTypeValue = L"carried"},
                                     {.appType = L"Nil", .plmType = L"{00000000-0000-0000-0000-000000000000}",
                                      .appDataType = 7}},
                           .params = {{.appParam = L"D", .plmParam = L"{r}->{g}." + braced, .appType = L"ToolMillEnd",
                                       .plmType = braced, .plmTag = L"t", .paramName = L"Diameter", .order = 4,
                                       .appVisible = false},
                                      {.appParam = L"Name", .plmParam = L"{r}.{n}", .appParamType = L"",
                                       .plmVisible = false}}}});
    builder.appFilter = {{cam, std::nullopt}};
    ASSERT_TRUE(run());
    const auto& rules = builder.received.at(0);
    EXPECT_EQ(rules.GetUploadFolder(), L"Tools/Mills");
    const auto& types = rules.GetTypes().at(AppDataset{cam, L"", d1});
    ASSERT_EQ(types.size(), 2U);
    EXPECT_EQ(types[0].plmType, c1);
    EXPECT_EQ(types[0].plmTagGroups, std::vector<std::wstring>{L"{t}"});
    EXPECT_EQ(types[0].plmTag, c1);
    EXPECT_EQ(types[0].plmTagValue, L"Shank");
    EXPECT_EQ(types[0].appDataType, AppDataType::CamObjectType) << "an empty cell gives 1";
    EXPECT_EQ(types[0].appDataTypeValue, L"carried");
    EXPECT_EQ(types[1].plmType, L"") << "the nil GUID is no class";
    EXPECT_EQ(static_cast<int>(types[1].appDataType), 7);

    const auto& params = rules.GetParams().at(AppDataset{cam, L"", d1});
    ASSERT_EQ(params.size(), 2U);
    EXPECT_EQ(params[0].paramName, L"Diameter");
    EXPECT_EQ(params[0].plmType, c1);
    EXPECT_EQ(params[0].plmParamGroups, std::vector<std::wstring>{L"{g}"});
    EXPECT_EQ(params[0].plmParam, c1);
    EXPECT_EQ(params[0].plmTag, L"t");
    EXPECT_EQ(params[0].order, 4);
    EXPECT_FALSE(params[0].appVisible);
    EXPECT_TRUE(params[0].plmVisible);
    EXPECT_EQ(params[1].order, 0) << "no order field gives 0";
    EXPECT_EQ(params[1].appParamType, L"");
    EXPECT_TRUE(params[1].appVisible);
    EXPECT_FALSE(params[1].plmVisible);
}

TEST_F(MakeData, TypeRowsPassBothFiltersAndDecideWhichParameterRowsAreTaken)
{
    SeedRuleObjects(
        pdm,
        {{.name = L"first", .appCode = cam, .datasetGuid = d1,
          .types = {{.appType = L"T2", .plmType = c2}},
          .params = {{.appParam = L"skipped-1", .appType = L"T2"}, {.appParam = L"skipped-2"}}},
         {.name = L"second", .appCode = cam, .datasetGuid = d1,
          .types = {{.appType = L"T1", .plmType = c1}, {.appType = L"T2", .plmType = c2}, {.appType = L"T9", .plmType = c1}},
          .params = {{.appParam = L"a", .appType = L"T1", .plmType = c1},
                     {.appParam = L"not-b", .appType = L"T2", .plmType = c2},
                     {.appParam = L"c", .appType = L"T9"},
                     {.appParam = L"d", .plmType = L"anything"}}},
         {.name = L"third", .appCode = cam, .datasetGuid = d1,
          .types = {{.appType = L"T3", .plmType = c3}},
          .params = {{.appParam = L"not-e", .appType = L"T3", .plmType = c3},
                     {.appParam = L"f", .appType = L"T3"},
                     {.appParam = L"not-g", .appType = L"T1", .plmType = c1}}}});
    builder.appFilter = {{cam, AppTypeSet{{L"T1", AppDataType::CamObjectType}, {L"T2", AppDataType::CamObjectType},
                                          {L"T3", AppDataType::CamObjectType}}}};
    builder.plmFilter = {{d1, {c1, c3}}};
    ASSERT_TRUE(run());
    const auto& rules = builder.received.at(0);
    // c2 fails the PDM filter, T9 the application filter, c3/T3 passes in "third" only.
    EXPECT_EQ(appTypes(rules, cam, d1), (std::vector<std::wstring>{L"T1", L"T3"}));
    EXPECT_EQ(appParams(rules, cam, d1), (std::vector<std::wstring>{L"a", L"c", L"d", L"not-e", L"f"}));

    builder.plmFilter = {{d1, {c1}}};
    ASSERT_TRUE(run());
    EXPECT_EQ(appTypes(builder.received.at(1), cam, d1), std::vector<std::wstring>{L"T1"});
    EXPECT_EQ(appParams(builder.received.at(1), cam, d1), (std::vector<std::wstring>{L"a", L"c", L"d", L"f"}))
        << "rows of a rejected object are taken only with an empty class or type";

    // "first" had no accepted type before it, so its parameter rows were never read.
    pdm.Faults().Reset();
    builder.plmFilter = {{d1, {c2}}};
    ASSERT_TRUE(run());
    EXPECT_EQ(appParams(builder.received.at(2), cam, d1),
              (std::vector<std::wstring>{L"skipped-1", L"skipped-2", L"not-b", L"c", L"d", L"f"}));
    EXPECT_EQ(pdm.Faults().Count(FaultPoint::TableRead), 1U);
}

TEST_F(MakeData, DisengagedApplicationTypesAndEmptyClassSetsAcceptEveryRow)
{
    SeedRuleObjects(pdm, {{.name = L"A", .appCode = cam, .datasetGuid = d1,
                           .types = {{.appType = L"T1", .plmType = c1}, {.appType = L"Other", .plmType = c2, .appDataType = 5}}}});
    const struct {
        AppFilter apps;
        PlmFilter plm;
        std::size_t rows;
    } cases[] = {
        {{{cam, std::nullopt}}, {{d1, {}}}, 2},
        {{{cam, AppTypeSet{{L"T1", AppDataType::CamObjectType}, {L"Other", AppDataType::CamObjectType}}}}, {{d1, {}}}, 1},
        {{{cam, AppTypeSet{{L"Other", static_cast<AppDataType>(5)}}}}, {}, 1},
        {{}, {{d1, {c2}}, {d2, {c1}}}, 1},
        {{}, {{d2, {c1}}}, 0}, // the object's dataset is not asked for: not even found
    };
    for (const auto& c : cases) {
        TestBuilder b;
        b.appFilter = c.apps;
        b.plmFilter = c.plm;
        ASSERT_TRUE(run(b));
        EXPECT_EQ(appTypes(b.received.at(0), cam, d1).size(), c.rows);
    }
}

TEST_F(MakeData, RuleObjectsWithoutDatasetPassByAnyNamedClass)
{
    // A rule reference whose objects have no dataset cell: the search cannot ask for one.
    PdmFixture other{PdmDataFile(""), PdmFixture::RuleReference::Missing};
    namespace S = Seed;
    constexpr wchar_t AppCode[] = L"d5cdcb27-31c9-4fa4-a8ec-868ba01409ca", Types[] = L"aa2f4b2b-0934-41bd-80db-1a59098684e7",
                      PlmType[] = L"1afb6833-5600-4f70-bf84-c629d781f45b", AppType[] = L"9d578f45-c166-4b7e-83be-1bcc9ca4b0b1",
                      TypeRow[] = L"335d709a-0f9c-4a8d-9bc0-357452500269", RuleObject[] = L"5b83061c-c10b-4b1e-9549-12499d0d83a0";
    other.SeedText(S::Pdm({S::Reference(
        L"67892771-adc2-4e78-b052-302ad7d10915", "Rules",
        {S::Parameter({L"a14eaf5b-beae-434e-ad9c-2f4bb3fb3178", "Name"}), S::Parameter({AppCode, "AppCode"}),
         S::Table(Types, "Types", {{PlmType, "PlmType"}, {AppType, "AppType"}}, TypeRow, "Type row"),
         S::Table(L"716de1cd-e3a0-4e19-b573-6f9efae3bbb3", "Rule settings", {}, L"b1fe747d-e221-413d-ac10-2a0a4283d2b2",
                  "Rule setting row"),
         S::Class(RuleObject, "Rule object"),
         S::Object({.guid = nullptr,
                    .objectClass = RuleObject,
                    .values = {{AppCode, "VIREO CAM"}},
                    .body = {S::Row(Types, TypeRow, {{PlmType, "c1c1c1c1-0000-0000-0000-000000000001"}, {AppType, "T1"}})}})})}));
    const struct {
        PlmFilter plm;
        std::size_t rows;
    } cases[] = {
        {{}, 1},
        {{{d1, {}}, {d2, {}}}, 1},
        {{{d1, {c2}}, {d2, {c1}}}, 1},
        {{{d1, {c2}}, {d2, {}}}, 0},
    };
    for (const auto& c : cases) {
        TestBuilder b;
        b.plmFilter = c.plm;
        ASSERT_TRUE(run(b));
        EXPECT_EQ(appTypes(b.received.at(0), cam, L"").size(), c.rows);
    }
}

TEST_F(MakeData, The257thKeyEvictsTheLeastRecentlyUsed)
{
    SeedRuleObjects(pdm, {{.name = L"A", .appCode = cam, .datasetGuid = d1,
                           .types = {{.appType = L"T", .plmType = c1}}, .params = {{.appParam = L"p"}}}});
    const auto withKey = [&](int n) {
        TestBuilder b;
        b.appFilter = {{cam, std::nullopt}, {L"unused " + std::to_wstring(n), std::nullopt}};
        EXPECT_TRUE(run(b));
        return b;
    };
    for (int n = 0; n <= 256; ++n)
        withKey(n);
    pdm.Faults().Reset();
    withKey(256);
    withKey(1);
    EXPECT_EQ(pdm.Faults().Count(FaultPoint::Search), 0U) << "256 most recent keys are cached";
    const auto reloaded = withKey(0);
    EXPECT_EQ(pdm.Faults().Count(FaultPoint::Search), 1U);
    EXPECT_EQ(reads(), 0U) << "the rule object's rows still come from the rule-list cache";
    EXPECT_EQ(appParams(reloaded.received.at(0), cam, d1), std::vector<std::wstring>{L"p"});
}

TEST_F(MakeData, AFailedLoadCachesNoRuleSetButKeepsTheRowsRead)
{
    SeedRuleObjects(pdm, {{.name = L"A", .appCode = cam, .datasetGuid = d1,
                           .types = {{.appType = L"T", .plmType = c1}},
                           .params = {{.appParam = L"p"}, {.appParam = L"q"}}}});
    builder.appFilter = {{cam, std::nullopt}};
    auto& faults = pdm.Faults();

    faults.FailAt(FaultPoint::Search, 1, FaultAction::Throw);
    EXPECT_THROW(run(), ModelException);
    faults.FailAt(FaultPoint::Search, 2, FaultAction::ReturnFalse);
    EXPECT_FALSE(run());
    // The second parameter row cannot be read: the list stays marked as read, with the rows
    // that came before the failure (none: rows are read with their table).
    faults.FailAt(FaultPoint::ObjectRead, faults.Count(FaultPoint::ObjectRead) + 2, FaultAction::Throw);
    EXPECT_THROW(run(), ModelException);
    EXPECT_TRUE(builder.received.empty());

    faults.Reset();
    ASSERT_TRUE(run());
    EXPECT_EQ(faults.Count(FaultPoint::Search), 1U) << "no failed load was cached";
    EXPECT_EQ(faults.Count(FaultPoint::TableRead), 0U) << "the rows read before the failure stay cached";
    EXPECT_EQ(appParams(builder.received.at(0), cam, d1), std::vector<std::wstring>{});
}

TEST_F(MakeData, AFailedTableReadLeavesAnEmptyRowList)
{
    SeedRuleObjects(pdm, {{.name = L"A", .appCode = cam, .datasetGuid = d1,
                           .types = {{.appType = L"T", .plmType = c1}},
                           .params = {{.appParam = L"p"}}}});
    builder.appFilter = {{cam, std::nullopt}};
    auto& faults = pdm.Faults();
    faults.FailAt(FaultPoint::TableRead, 2, FaultAction::Throw); // the parameter rows
    EXPECT_THROW(run(), ModelException);

    faults.Reset();
    ASSERT_TRUE(run());
    EXPECT_EQ(faults.Count(FaultPoint::TableRead), 0U);
    EXPECT_EQ(appParams(builder.received.at(0), cam, d1), std::vector<std::wstring>{});
    EXPECT_EQ(builder.received.at(0).GetTypes().size(), 1U);
}

TEST_F(MakeData, LoadsTheShippedToolRules)
{
    pdm.SeedFile(PdmDataFile("tools.xml"));
    pdm.SeedFile(PdmDataFile("tools-rules.xml"));
    const std::wstring tools = L"14647778-3afb-4369-84cf-3f0bcc39fb94";
    const std::wstring endMill = L"c1d32d75-c2a1-4fa6-a3de-59d9fa98d1f6";
    builder.appFilter = {{cam, AppTypeSet{{L"ToolMillEnd", AppDataType::CamObjectType}}}};
    builder.plmFilter = {{tools, {endMill}}};
    ASSERT_TRUE(run());
    const auto& rules = builder.received.at(0);
    EXPECT_EQ(rules.GetUploadFolder(), L"Tools");
    EXPECT_EQ(appTypes(rules, cam, tools), std::vector<std::wstring>{L"ToolMillEnd"});
    EXPECT_EQ(appParams(rules, cam, tools),
              (std::vector<std::wstring>{L"Name", L"D", L"Lw", L"L", L"Z", L"Shoulder", L"Ds", L"Ln"}));
}

} // namespace
