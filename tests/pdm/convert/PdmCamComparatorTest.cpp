#include "PdmCamTestSupport.h"

#include "pdm/convert/PdmCamComparator.h"
#include "pdm/links/ObjectId.h"

#include <algorithm>
#include <set>

namespace Vireo::Cam::Pdm::Testing {
namespace {

using zktypes::ZKUnits::Millimeter;

class PdmCamComparatorTest : public ShopTest {
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        ASSERT_TRUE(importProject());
        tool = CamObject(Cam::Model(&doc).GetTools().Get(0));
    }

    // A comparator of the object with the PDM object its link names.
    static PdmCamComparator linked(const CamObject& object)
    {
        const auto link = GetObjectIdFromUri(CamObjectManager::GetUri(object));
        return link ? PdmCamComparator(link->second, link->first, object) : PdmCamComparator(object);
    }
    static const PdmCamComparator::Parameter* find(const PdmCamComparator& comparator, const wchar_t* appParam)
    {
        const auto& list = comparator.GetParameters();
        const auto found = std::find_if(list.begin(), list.end(), [&](const auto& p) { return p.appParam == appParam; });
        return found == list.end() ? nullptr : &*found;
    }

    CamObject tool;
};

TEST_F(PdmCamComparatorTest, RightAfterTheImportNoObjectDiffers)
{
    std::vector<CamObject> objects;
    for (CZKObject* object : doc.GetObjects())
        if (!CamObjectManager::GetUri(CamObject(object)).empty())
            objects.emplace_back(object);
    ASSERT_EQ(objects.size(), 8u) << "project, group, two machinings, tool, stock, part, fixture";
    for (const CamObject& object : objects) {
        PdmCamComparator comparator = linked(object);
        EXPECT_TRUE(IntegrationManager().MakeData(comparator)) << CamObjectManager(object).GetAppType();
        EXPECT_FALSE(comparator.IsDifferent()) << CamObjectManager(object).GetAppType();
        EXPECT_EQ(comparator.GetUri(), CamObjectManager::GetUri(object));
        for (const auto& parameter : comparator.GetParameters())
            EXPECT_TRUE(parameter.camValue && parameter.pdmValue);
    }

    PdmCamComparator comparator = linked(tool);
    ASSERT_TRUE(IntegrationManager().MakeData(comparator));
    std::set<std::wstring> compared;
    for (const auto& parameter : comparator.GetParameters())
        compared.insert(parameter.appParam);
    const std::set<std::wstring> expected{L"Name", L"ToolType", L"D", L"Z"};
    EXPECT_EQ(compared, expected) << "Lw maps a parameter the PDM object lacks: not listed";
    EXPECT_EQ(find(comparator, L"D")->name, L"rule D");
}

TEST_F(PdmCamComparatorTest, ADoubleDiffersOnlyBeyondTheToleranceAfterConversion)
{
    struct Case {
        double camMillimetres;
        bool different;
    };
    for (const Case c : {Case{12.0, false}, Case{12.0 + 1e-13, false}, Case{12.1, true}}) {
        CamObjectManager(tool).SetValue(L"D", Cam::DoubleValue(c.camMillimetres, Millimeter));
        PdmCamComparator comparator = linked(tool);
        IntegrationManager().MakeData(comparator);
        EXPECT_EQ(comparator.IsDifferent(), c.different) << c.camMillimetres;
        const auto* d = find(comparator, L"D");
        ASSERT_TRUE(d);
        EXPECT_NEAR(d->pdmValue->AsDouble()->GetValue(), 12.0, 1e-9) << "0.012 m in the CAM value's millimetres";
    }
}

TEST_F(PdmCamComparatorTest, APdmObjectOfAnotherCamTypeListsNothing)
{
    const auto drill = pdmObject(Shop::Drill);
    PdmCamComparator comparator(drill->Id(), shop->Id(), tool);
    EXPECT_FALSE(IntegrationManager().MakeData(comparator));
    EXPECT_TRUE(comparator.GetParameters().empty());
    EXPECT_FALSE(comparator.IsDifferent());
}

TEST_F(PdmCamComparatorTest, WithoutALinkTheExportableValuesAreListedOnceAndTheObjectDiffers)
{
    PdmCamComparator comparator(tool);
    EXPECT_TRUE(IntegrationManager().MakeData(comparator));
    EXPECT_TRUE(comparator.IsDifferent());
    EXPECT_TRUE(comparator.GetUri().empty());
    std::multiset<std::wstring> listed;
    for (const auto& parameter : comparator.GetParameters()) {
        listed.insert(parameter.appParam);
        EXPECT_TRUE(parameter.camValue);
        EXPECT_FALSE(parameter.pdmValue);
    }
    const std::multiset<std::wstring> expected{L"Name", L"ToolType", L"D", L"Z", L"Lw"};
    EXPECT_EQ(listed, expected);

    PdmCamComparator nothing{CamObject{}};
    EXPECT_FALSE(IntegrationManager().MakeData(nothing));
    EXPECT_TRUE(nothing.GetParameters().empty());
}

// The listed values are the comparison's own: changing the CAM object afterwards neither
// changes nor invalidates them.
TEST_F(PdmCamComparatorTest, ListedValuesAreCopiesTakenAtComparisonTime)
{
    PdmCamComparator comparator = linked(tool);
    ASSERT_TRUE(IntegrationManager().MakeData(comparator));
    for (const auto& parameter : comparator.GetParameters()) {
        EXPECT_TRUE(parameter.camValue.get_deleter().owned) << "borrowed: " << parameter.camValue.get();
        EXPECT_TRUE(parameter.pdmValue.get_deleter().owned);
    }
    CamObjectManager(tool).SetValue(L"D", Cam::DoubleValue(40, Millimeter));
    CamObjectManager(tool).SetValue(L"Z", Cam::IntValue(7));
    const auto* d = find(comparator, L"D");
    ASSERT_TRUE(d);
    EXPECT_NEAR(d->camValue->AsDouble()->GetValue(), 12.0, 1e-9);
    EXPECT_EQ(find(comparator, L"Z")->camValue->AsInt()->GetValue(), 4);

    PdmCamComparator unlinked(tool);
    ASSERT_TRUE(IntegrationManager().MakeData(unlinked));
    CamObjectManager(tool).SetValue(L"D", Cam::DoubleValue(41, Millimeter));
    EXPECT_NEAR(find(unlinked, L"D")->camValue->AsDouble()->GetValue(), 40.0, 1e-9);
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
