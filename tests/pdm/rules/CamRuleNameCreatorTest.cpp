#include "pdm/rules/CamRuleNameCreator.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/rules/IntegrationManager.h"
#include "platform/host/Zkw32Doc.h"
#include "tests/pdm/testing/PdmFixture.h"
#include "tests/pdm/testing/RuleSeed.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace Vireo::Cam::Pdm;
using namespace Vireo::Testing;
using RuleNames = std::vector<CamRuleNameCreator::RuleName>;

const std::wstring cam = L"VIREO CAM";
const std::wstring millsGuid = L"a1000000-0000-4000-8000-000000000001";
const std::wstring toolsGuid = L"a2000000-0000-4000-8000-000000000002";
const std::wstring stocksGuid = L"a3000000-0000-4000-8000-000000000003";
const std::wstring someClass = L"{c0000000-0000-4000-8000-0000000000c1}";

RuleObjectSeed ruleObject(std::wstring name, std::wstring datasetGuid, std::vector<std::wstring> appTypes,
                          std::wstring appCode = cam)
{
    RuleObjectSeed seed;
    seed.name = std::move(name);
    seed.appCode = std::move(appCode);
    seed.datasetGuid = std::move(datasetGuid);
    for (auto& type : appTypes)
        seed.types.push_back(TypeRowSeed{std::move(type), someClass});
    return seed;
}

class CamRuleNameCreatorTest : public testing::Test {
protected:
    CamRuleNameCreatorTest()
    {
        SeedRuleObjects(pdm, {ruleObject(L"End mills", millsGuid, {L"ToolMillEnd"}),
                              ruleObject(L"Any tool", toolsGuid, {L"Tool"}),
                              ruleObject(L"Any tool again", toolsGuid, {L"ToolMillEnd"}),
                              ruleObject(L"Stocks", stocksGuid, {L"StockBlock"}),
                              ruleObject(L"Elsewhere", L"a4000000-0000-4000-8000-000000000004", {L"ToolMillEnd"},
                                         L"OTHER APP")});
    }

    RuleNames Run(const CamObject& object)
    {
        CamRuleNameCreator creator(object);
        EXPECT_TRUE(IntegrationManager().MakeData(creator));
        RuleNames names = creator.GetRuleNames();
        std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        // Which of two rule objects with one key is loaded first is the loader's order.
        for (auto& [name, guid] : names)
            if (name == L"Any tool again")
                name = L"Any tool";
        return names;
    }

    PdmFixture pdm{PdmDataFile("")};
    CZkw32Doc doc;
};

TEST_F(CamRuleNameCreatorTest, ListsDatasetsOfTheTypeAndItsGenericTypesOncePerKey)
{
    const CamObject mill = CamObjectManager::MakeCamObject(&doc, L"ToolMillEnd", CamObject());
    ASSERT_FALSE(CamObjectManager::IsNull(mill));
    // "Any tool" has rows for the generic type only; its second rule object shares the key
    // and the key is listed once; the other application's object is not searched.
    const RuleNames expected{{L"End mills", millsGuid}, {L"Any tool", toolsGuid}};
    EXPECT_EQ(Run(mill), expected);

    const CamObject project = CamObjectManager::MakeCamObject(&doc, L"MachiningProject", CamObject());
    EXPECT_EQ(Run(project), RuleNames{});
}

TEST_F(CamRuleNameCreatorTest, TheNullObjectListsEveryDatasetWithRowsForAnyKnownType)
{
    const RuleNames expected{{L"End mills", millsGuid}, {L"Any tool", toolsGuid}, {L"Stocks", stocksGuid}};
    EXPECT_EQ(Run(CamObject()), expected);
}

} // namespace
