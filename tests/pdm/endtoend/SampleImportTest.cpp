// Importing the shipped sample project into an empty CAM document: the CAM tree that the
// technology rules make of it, the values in CAM units, the links back to the PDM objects,
// and that neither a comparison nor a second update finds anything to change; on both storages.

#include "ShippedRules.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamComparator.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/links/ObjectId.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/cam/Model.h"
#include "platform/support/Utf8.h"
#include "tests/platform/testing/TestStorage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;

class SampleImport : public ::testing::TestWithParam<Storage> {
protected:
    void SetUp() override
    {
        VIREO_SKIP_WITHOUT_STORAGE(GetParam());
        storage = std::make_unique<TestDatabase>(GetParam());
        pdm = MakeTechnologyPdm(storage->Text());
        const auto info = pdm->Connection().ReferenceCatalog()->Find(System::Guid::Parse(TechnologyReferenceGuid));
        ASSERT_TRUE(info);
        referenceId = info->Id();
        technology = info->CreateReference();
        PdmCamCreator creator(System::Guid::Parse(SampleProjectGuid), System::Guid::Parse(TechnologyReferenceGuid), &doc,
                              CamObject());
        creator.SetRecursive(true);
        ASSERT_TRUE(IntegrationManager().MakeData(creator));
        project = creator.GetCamObject();
        ASSERT_FALSE(CamObjectManager::IsNull(project));
    }

    static std::wstring Type(const CamObject& object) { return std::wstring(CamObjectManager(object).GetAppType()); }

    static std::wstring Text(const CamObject& object, std::wstring_view name)
    {
        const CamValuePtr value = CamObjectManager(object).GetValue(name);
        return value && value->AsString() ? value->AsString()->GetValue() : L"<none>";
    }

    // A double in the unit with this short name; NaN when there is none.
    static double Number(const CamObject& object, std::wstring_view name, std::wstring_view unit)
    {
        const CamValuePtr value = CamObjectManager(object).GetValue(name);
        if (!value || !value->AsDouble())
            return std::nan("");
        const Cam::DoubleValue& number = *value->AsDouble();
        const zktypes::Unit* to = zktypes::Units::Instance().FindByShortName(unit);
        return zktypes::Unit::Convert(number.GetUnit(), to, number.GetValue());
    }

    static int Integer(const CamObject& object, std::wstring_view name)
    {
        const CamValuePtr value = CamObjectManager(object).GetValue(name);
        return value && value->AsInt() ? value->AsInt()->GetValue() : -1;
    }

    // The children of an object by their name (tool parts without a name by their type).
    static std::map<std::wstring, CamObject> Children(const CamObject& parent)
    {
        std::map<std::wstring, CamObject> children;
        for (const CamObject& child : CamObjectManager(parent).GetChildCamObjects(true)) {
            const std::wstring name = Text(child, L"Name");
            children.emplace(name == L"<none>" || name.empty() ? Type(child) : name, child);
        }
        return children;
    }

    std::unique_ptr<TestDatabase> storage;
    std::unique_ptr<PdmFixture> pdm;
    int referenceId = 0;
    std::shared_ptr<Arbor::Model::Reference> technology;
    CZkw32Doc doc;
    CamObject project;
};

TEST_P(SampleImport, BuildsTheProjectTreeWithSharedToolAndOneStock)
{
    EXPECT_EQ(Type(project), L"MachiningProject");
    EXPECT_EQ(Text(project, L"Name"), L"Housing 4711");

    const Cam::Model model(&doc);
    EXPECT_EQ(model.GetMachiningProjects().GetCount(), 1);
    EXPECT_EQ(model.GetMachiningGroups().GetCount(), 2);
    EXPECT_EQ(model.GetMachinings().GetCount(), 4);
    EXPECT_EQ(model.GetTools().GetCount(), 3) << "the end mill of two machinings is one tool";
    EXPECT_EQ(model.GetStocks().GetCount(), 1) << "the stock below a machining is the project's stock";
    EXPECT_EQ(model.GetParts().GetCount(), 1);
    EXPECT_EQ(model.GetFixtures().GetCount(), 1);

    auto top = Children(project);
    ASSERT_TRUE(top.contains(L"Roughing") && top.contains(L"Drilling"));
    EXPECT_EQ(Type(top[L"Roughing"]), L"MachiningGroup");
    auto roughing = Children(top[L"Roughing"]);
    auto drilling = Children(top[L"Drilling"]);
    const std::map<std::wstring, std::wstring> machinings = {
        {L"Pocket roughing", L"MillLayers"}, {L"Outer contour", L"MillCountour"}, {L"Top face", L"MillFace"}};
    for (const auto& [name, type] : machinings) {
        ASSERT_TRUE(roughing.contains(name)) << Support::WideToUtf8(name);
        EXPECT_EQ(Type(roughing[name]), type);
    }
    ASSERT_TRUE(drilling.contains(L"Flange bores"));
    EXPECT_EQ(Type(drilling[L"Flange bores"]), L"HoleDrill") << "a generic machining becomes the type its kind names";

    auto pocketTools = Children(roughing[L"Pocket roughing"]);
    auto contourTools = Children(roughing[L"Outer contour"]);
    ASSERT_TRUE(pocketTools.contains(L"End mill D12") && contourTools.contains(L"End mill D12"));
    EXPECT_EQ(pocketTools[L"End mill D12"], contourTools[L"End mill D12"]);
    EXPECT_EQ(Type(pocketTools[L"End mill D12"]), L"ToolMillEnd");
    EXPECT_EQ(Type(Children(drilling[L"Flange bores"])[L"Twist drill D8.5"]), L"ToolDrill");

    auto parts = Children(pocketTools[L"End mill D12"]);
    ASSERT_TRUE(parts.contains(L"ToolShank") && parts.contains(L"HSK63 shrink-fit chuck") && parts.contains(L"Extension 50"));
    EXPECT_EQ(Type(parts[L"HSK63 shrink-fit chuck"]), L"ToolHolder");
    EXPECT_EQ(Type(parts[L"Extension 50"]), L"ToolExtension");
    EXPECT_EQ(Type(Children(parts[L"HSK63 shrink-fit chuck"])[L"Clamping cone"]), L"ToolItem");
    EXPECT_EQ(Type(Children(parts[L"Extension 50"])[L"Extension sleeve"]), L"ToolItem");

    ASSERT_TRUE(top.contains(L"Blank 160x100x50"));
    EXPECT_EQ(Type(top[L"Blank 160x100x50"]), L"StockBlock");
}

TEST_P(SampleImport, ConvertsValuesIntoCamUnits)
{
    auto top = Children(project);
    auto roughing = Children(top[L"Roughing"]);
    const CamObject pocket = roughing[L"Pocket roughing"];
    const CamObject mill = Children(pocket)[L"End mill D12"];
    const CamObject drill = Children(Children(top[L"Drilling"])[L"Flange bores"])[L"Twist drill D8.5"];
    auto parts = Children(mill);

    struct Case {
        CamObject object;
        std::wstring_view name;
        std::wstring_view unit;
        double expected;
    };
    const Case cases[] = {
        {mill, L"D", L"mm", 12}, {mill, L"Lw", L"mm", 26}, {mill, L"Ds", L"mm", 11.5}, {mill, L"Lu", L"mm", 40},
        {drill, L"A", L"deg", 118}, {pocket, L"Feed", L"mm/min", 1500}, {pocket, L"SpindleSpeed", L"rpm", 6000},
        {pocket, L"PartAllowance", L"mm", 0.5}, {pocket, L"AxialOffset", L"mm", 0.2}, {pocket, L"RadialOffset", L"mm", 0.3},
        {pocket, L"Depth", L"mm", 24}, {pocket, L"DepthStep", L"mm", 2}, {parts[L"ToolShank"], L"SA", L"deg", 45},
        {parts[L"ToolShank"], L"SD", L"mm", 12},
        {Children(parts[L"Extension 50"])[L"Extension sleeve"], L"HD2", L"mm", 32},
        {top[L"Gear housing"], L"Weight", L"kg", 3.9},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Number(c.object, c.name, c.unit), c.expected, 1e-9 * std::abs(c.expected))
            << Support::WideToUtf8(Type(c.object) + L"." + std::wstring(c.name));

    EXPECT_EQ(Integer(pocket, L"LayerNumber"), 12);
    EXPECT_EQ(Integer(mill, L"Z"), 4);
    EXPECT_EQ(Text(top[L"Blank 160x100x50"], L"Material"), L"Steel C45") << "through the material link";
    EXPECT_EQ(Text(top[L"Gear housing"], L"Coating"), L"Titanium nitride") << "through the coating links";
    EXPECT_EQ(Text(roughing[L"Outer contour"], L"Description"), L"Contour at full depth");
}

// Every CAM object of the tree, each once.
std::vector<CamObject> Flatten(const CamObject& root)
{
    std::vector<CamObject> all{root};
    std::set<CamObjectId> seen{CamObjectManager::GetId(root)};
    for (std::size_t at = 0; at < all.size(); ++at)
        for (const CamObject& child : CamObjectManager(all[at]).GetChildCamObjects(true))
            if (seen.insert(CamObjectManager::GetId(child)).second)
                all.push_back(child);
    return all;
}

TEST_P(SampleImport, EveryObjectLinksBackToItsPdmObject)
{
    const std::map<std::wstring, std::wstring> sampleKeys = {
        {L"Housing 4711", L"project"}, {L"Roughing", L"roughing"}, {L"Pocket roughing", L"layers"},
        {L"End mill D12", L"endmill"}, {L"Clamping cone", L"holderitem"}, {L"Blank 160x100x50", L"stock"},
        {L"Twist drill D8.5", L"twistdrill"}};
    const std::vector<CamObject> all = Flatten(project);
    EXPECT_EQ(all.size(), 18u);
    int checked = 0;
    for (const CamObject& object : all) {
        const std::wstring uri = CamObjectManager::GetUri(object);
        const auto ids = GetObjectIdFromUri(uri);
        ASSERT_TRUE(ids) << Support::WideToUtf8(Type(object)) << " has no link";
        EXPECT_EQ(ids->first, referenceId);
        const auto linked = technology->Find(ids->second);
        ASSERT_TRUE(linked) << Support::WideToUtf8(uri);
        const auto key = sampleKeys.find(Text(object, L"Name"));
        if (key == sampleKeys.end())
            continue;
        EXPECT_EQ(linked->Guid().ToString(), SampleObjectGuid(key->second)) << Support::WideToUtf8(key->first);
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(sampleKeys.size()));
}

TEST_P(SampleImport, ComparingAndUpdatingRightAfterTheImportChangeNothing)
{
    for (const CamObject& object : Flatten(project)) {
        const auto ids = GetObjectIdFromUri(CamObjectManager::GetUri(object));
        ASSERT_TRUE(ids);
        const auto [linkedReference, linkedObject] = *ids;
        PdmCamComparator comparator(linkedObject, linkedReference, object);
        EXPECT_TRUE(IntegrationManager().MakeData(comparator)) << Support::WideToUtf8(Type(object));
        EXPECT_FALSE(comparator.IsDifferent()) << Support::WideToUtf8(Type(object));
        EXPECT_FALSE(comparator.GetParameters().empty()) << Support::WideToUtf8(Type(object));
        for (const auto& parameter : comparator.GetParameters())
            EXPECT_TRUE(IsEqualCamBaseValue(parameter.camValue.get(), parameter.pdmValue.get()))
                << Support::WideToUtf8(Type(object) + L"." + parameter.appParam) << ": "
                << Support::WideToUtf8(parameter.camValue ? FromCamBaseValue(*parameter.camValue) : L"-") << " / "
                << Support::WideToUtf8(parameter.pdmValue ? FromCamBaseValue(*parameter.pdmValue) : L"-");
    }

    const std::string before = doc.SaveToText();
    const auto ids = GetObjectIdFromUri(CamObjectManager::GetUri(project));
    ASSERT_TRUE(ids);
    const auto [linkedReference, linkedObject] = *ids;
    PdmCamCreator update(linkedObject, linkedReference, project);
    update.SetRecursive(true);
    EXPECT_TRUE(IntegrationManager().MakeData(update));
    EXPECT_EQ(doc.SaveToText(), before);
}

INSTANTIATE_TEST_SUITE_P(Storages, SampleImport, ::testing::ValuesIn(AllStorages()), StorageTestName);

} // namespace
} // namespace Vireo::Testing
