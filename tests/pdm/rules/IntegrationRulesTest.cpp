// The in-memory rule set: dataset identity and find-or-create of rows.

#include "pdm/rules/IntegrationRules.h"

#include <gtest/gtest.h>

namespace Vireo::Cam::Pdm {
namespace {

void addType(IntegrationRules& rules, const std::wstring& appCode, const std::wstring& name,
             const std::wstring& datasetGuid, const std::wstring& appType)
{
    rules.AddTypes(appCode, name, appType, AppDataType::CamObjectType, L"", datasetGuid, L"plm-" + appType, {L"g"},
                   L"tag", L"v");
}

TEST(AppDatasetIdentity, IsAppCodeAndDatasetGuidOnly)
{
    const AppDatasetHash hash;
    const AppDataset a{L"VIREO CAM", L"first", L"d1"};
    const AppDataset renamed{L"VIREO CAM", L"second", L"d1"};
    EXPECT_EQ(a, renamed);
    EXPECT_EQ(hash(a), hash(renamed));
    for (const AppDataset& other : {AppDataset{L"vireo cam", L"first", L"d1"}, AppDataset{L"VIREO CAM", L"first", L"D1"},
                                    AppDataset{L"VIREO CAM", L"first", L""}}) {
        EXPECT_FALSE(a == other);
        EXPECT_NE(hash(a), hash(other));
    }
}

TEST(IntegrationRulesRows, SameDatasetKeepsTheFirstNameAndLoadOrder)
{
    IntegrationRules rules;
    addType(rules, L"VIREO CAM", L"first", L"d1", L"ToolMillEnd");
    addType(rules, L"VIREO CAM", L"other", L"d2", L"Part");
    addType(rules, L"VIREO CAM", L"second", L"d1", L"MillLayers");
    ASSERT_EQ(rules.GetTypes().size(), 2u);
    const auto found = rules.GetTypes().find(AppDataset{L"VIREO CAM", L"", L"d1"});
    ASSERT_NE(found, rules.GetTypes().end());
    EXPECT_EQ(found->first.name, L"first");
    ASSERT_EQ(found->second.size(), 2u);
    EXPECT_EQ(found->second[0].appType, L"ToolMillEnd");
    EXPECT_EQ(found->second[1].appType, L"MillLayers");
    EXPECT_EQ(found->second[1].plmType, L"plm-MillLayers");
    EXPECT_EQ(found->second[1].plmTagGroups, std::vector<std::wstring>{L"g"});
}

} // namespace
} // namespace Vireo::Cam::Pdm
