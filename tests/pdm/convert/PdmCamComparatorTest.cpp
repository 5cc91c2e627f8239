#include "PdmCamTestSupport.h"

#include "pdm/convert/PdmCamComparator.h"
#include "pdm/links/ObjectId.h"
#include "pdm/convert/ValueConversion.h"

#include <algorithm>
#include <map>
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
        if (!link)
            return PdmCamComparator(object);
        const auto [referenceId, objectId] = *link;
        return PdmCamComparator(objectId, referenceId, object);
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
        EXPECT_TRUE(IntegrationManager().MakeData(comparator)) << std::wstring(CamObjectManager(object).GetAppType());
        EXPECT_FALSE(comparator.IsDifferent()) << std::wstring(CamObjectManager(object).GetAppType());
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

// Rows reached through a link (named by the linked reference's own group) and through
// tagged table rows, on the example catalogue: a drill whose name comes from its holder, whose
// D is the amount of item row "B" and whose Lw that of row "A".
class ComparatorThroughLinksTest : public ::testing::Test {
protected:
    static constexpr wchar_t Tools[] = L"2bd074b9-7fd9-4d84-a41d-c1334880ceb6";
    static constexpr wchar_t Items[] = L"d1206ccc-53a3-402e-959c-700afd319588";

    void SetUp() override
    {
        pdm.SeedFile(Vireo::Testing::PdmDataFile("example.xml"));
        const auto item = [](const wchar_t* appParam, const wchar_t* tag) {
            Vireo::Testing::ParamRowSeed row;
            row.appParam = appParam;
            row.paramName = appParam;
            row.plmParam = Vireo::Testing::RulePath({Tools, Items, L"7737ee05-9f90-4e86-bd55-23bd16bf717d"});
            row.plmTag = Vireo::Testing::RulePath({Tools, Items, L"79fc84fa-5bc6-476f-9485-a22cf5b8e4bf"});
            row.plmTagValue = tag;
            return row;
        };
        Vireo::Testing::RuleObjectSeed rules;
        rules.name = L"Example tools";
        rules.appCode = L"VIREO CAM";
        rules.datasetGuid = Tools;
        rules.types = {{L"ToolDrill", L"{be8b630a-2900-4146-906c-72dc9146a38d}"}};
        rules.params = {{L"Name", Vireo::Testing::RulePath({Tools, L"b9e61c09-d247-4012-a1d8-3e5f925c4d24",
                                           L"a73e100b-e871-490e-b353-54f66f8a380e",
                                           L"7eedf28f-a766-4477-b248-7d3054de456c"})},
                        item(L"D", L"B"), item(L"Lw", L"A")};
        Vireo::Testing::SeedRuleObjects(pdm, {rules});
        const CamObject project = CamObjectManager::MakeCamObject(&doc, L"MachiningProject", CamObject{});
        drill = CamObjectManager::MakeCamObject(&doc, L"ToolDrill", CamObjectManager::MakeCamObject(&doc, L"HoleDrill", project));
        ASSERT_FALSE(CamObjectManager::IsNull(drill));
        CamObjectManager manager(drill);
        manager.SetValue(L"Name", Cam::StringValue(L"HSK 63"));
        manager.SetValue(L"D", Cam::DoubleValue(2, Millimeter));
        manager.SetValue(L"Lw", Cam::DoubleValue(1.5, Millimeter));
        const auto info = pdm.Connection().ReferenceCatalog()->Find(System::Guid::Parse(Tools));
        const auto object = info->CreateReference()->Find(System::Guid::Parse(L"9864c2e8-d907-40de-b39f-897966733708"));
        objectId = object->Id();
        referenceId = info->Id();
    }

    std::map<std::wstring, std::wstring> compare(bool& different)
    {
        PdmCamComparator comparator(objectId, referenceId, drill);
        EXPECT_TRUE(IntegrationManager().MakeData(comparator));
        different = comparator.IsDifferent();
        std::map<std::wstring, std::wstring> pdmValues;
        for (const auto& parameter : comparator.GetParameters())
            pdmValues[parameter.appParam] += FromCamBaseValue(*parameter.pdmValue) + L";";
        return pdmValues;
    }

    Vireo::Testing::PdmFixture pdm{Vireo::Testing::PdmDataFile("")};
    CZkw32Doc doc;
    CamObject drill;
    int objectId = 0;
    int referenceId = 0;
};

TEST_F(ComparatorThroughLinksTest, RowsThroughLinksAndTaggedRowsAreComparedOnTheirOwnObjects)
{
    bool different = true;
    const auto values = compare(different);
    EXPECT_EQ(values, (std::map<std::wstring, std::wstring>{{L"Name", L"HSK 63;"}, {L"D", L"2.000000 mm;"}, {L"Lw", L"1.500000 mm;"}}));
    EXPECT_FALSE(different);

    CamObjectManager(drill).SetValue(L"Lw", Cam::DoubleValue(2, Millimeter));
    compare(different);
    EXPECT_TRUE(different) << "row A holds 1.5";
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
