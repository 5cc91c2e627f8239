#include "PdmBuilderTestSupport.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

using Classes = std::vector<std::wstring>;

const Classes* classesOf(const ClassListing& listing, const std::wstring& reference)
{
    for (const auto& [guid, classes] : listing)
        if (guid == reference)
            return &classes;
    return nullptr;
}

TEST_F(PdmBuilderTest, ClassListingsLeaveOutAbstractClassesOnlyWhenAsked)
{
    const auto all = getRootClasses(L"", true);
    ASSERT_GE(all.size(), 4u);
    ASSERT_NE(classesOf(all, Tools::Reference), nullptr);
    EXPECT_EQ(*classesOf(all, Tools::Reference), Classes{Tools::AssemblyClass});
    EXPECT_EQ(*classesOf(all, Kits::Reference), (Classes{Kits::OnlyA, Kits::OnlyB, Kits::Both}));

    const auto tools = getRootClasses(Tools::Reference, false);
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_EQ(tools[0].second, (Classes{Tools::ToolClass, Tools::AssemblyClass}));
    EXPECT_TRUE(getRootClasses(L"00000000-0000-4000-8000-00000000dead", true).empty());

    const auto children = getChildClasses(Find(Tools::Reference, Tools::SetA), true);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0].first, Tools::Reference);
    EXPECT_EQ(children[0].second, (Classes{Tools::DrillClass, Tools::MillClass, Tools::AssemblyClass}));
    EXPECT_TRUE(getChildClasses(nullptr, true).empty());

    Model::ServerGateway::Close();
    EXPECT_TRUE(getRootClasses(L"", true).empty());
}

TEST_F(PdmBuilderTest, SelectionForParentTakesTheFirstRowOfAnAllowedClassInADatasetWithParameters)
{
    RuleSet set;
    set.Type(Tools::ToolClass); // abstract: never a candidate
    set.Type(Tools::MillClass);
    set.Type(Tools::AssemblyClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);

    auto underSetA = findClassAndRuleForParent(Find(Tools::Reference, Tools::SetA), set.rules);
    ASSERT_TRUE(underSetA);
    EXPECT_EQ(underSetA->referenceGuid, Tools::Reference);
    EXPECT_EQ(underSetA->row.plmType, Tools::MillClass);
    EXPECT_EQ(underSetA->params->second.size(), 1u);

    // Without a parent only root classes count, found through the dataset's reference.
    auto atTop = findClassAndRuleForParent(nullptr, set.rules);
    ASSERT_TRUE(atTop);
    EXPECT_EQ(atTop->row.plmType, Tools::AssemblyClass);

    // A dataset without a GUID looks through every reference of the catalogue.
    RuleSet anywhere;
    anywhere.datasetGuid.clear();
    anywhere.Type(Kits::OnlyB);
    anywhere.Param(L"N", {Kits::Reference}, L"4b000000-0000-4000-8000-000000000001");
    auto inKits = findClassAndRuleForParent(nullptr, anywhere.rules);
    ASSERT_TRUE(inKits);
    EXPECT_EQ(inKits->referenceGuid, Kits::Reference);

    RuleSet typesOnly;
    typesOnly.Type(Tools::AssemblyClass);
    EXPECT_FALSE(findClassAndRuleForParent(nullptr, typesOnly.rules));
    ValueBuilder builder(G(Tools::Reference));
    EXPECT_FALSE(builder.ProcessRules(typesOnly.rules));
}

TEST_F(PdmBuilderTest, SelectionForUpdateNeedsARowForTheObjectsOwnClass)
{
    RuleSet set;
    set.Type(Tools::DrillClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    auto drill = findClassAndRuleForUpdate(Find(Tools::Reference, Tools::Drill8), set.rules);
    ASSERT_TRUE(drill);
    EXPECT_EQ(drill->referenceGuid, Tools::Reference);
    EXPECT_FALSE(findClassAndRuleForUpdate(Find(Tools::Reference, Tools::Mill10), set.rules));

    auto mill = Find(Tools::Reference, Tools::Mill10);
    ValueBuilder update(mill->Id(), Info(Tools::Reference)->Id());
    ASSERT_TRUE(update.GetUpdateDatasetObject());
    EXPECT_FALSE(update.ProcessRules(set.rules));
}

TEST_F(PdmBuilderTest, ClassOfANewRowOrLinkedObjectCoversTheMostGroupKeys)
{
    auto kitLink = Info(L"4b000000-0000-4000-8000-0000000000e0")->Description()->GetAllGroups().Find(G(Kits::KitLink));
    ASSERT_TRUE(kitLink);
    auto classFor = [&](const std::shared_ptr<Model::ParameterGroup>& group, std::vector<std::wstring> keys) {
        ParamNode node;
        for (const auto& key : keys)
            node.children[key];
        auto chosen = getClassObject(group, node);
        return chosen ? chosen->Guid().ToString() : std::wstring(L"<none>");
    };
    const std::wstring unknown = L"4b000000-0000-4000-8000-00000000ffff";
    EXPECT_EQ(classFor(kitLink, {}), Kits::OnlyA);
    EXPECT_EQ(classFor(kitLink, {Kits::GroupA, Kits::GroupB}), Kits::Both);
    EXPECT_EQ(classFor(kitLink, {Kits::GroupB, unknown}), Kits::OnlyB);
    EXPECT_EQ(classFor(kitLink, {unknown}), L"<none>");
    // The linked reference's own group is every class's.
    EXPECT_EQ(classFor(kitLink, {Kits::Reference}), Kits::OnlyA);
    EXPECT_EQ(classFor(kitLink, {Kits::Reference, Kits::GroupB}), Kits::OnlyB);

    const auto items = Group(Tools::Reference, Tools::Items);
    EXPECT_EQ(classFor(items, {unknown}), Tools::ItemClass);
    EXPECT_EQ(classFor(Group(Tools::Reference, Tools::Spec), {}), L"5606cd5b-1bd7-49e9-bc20-33e4dc09858f");
    EXPECT_EQ(classFor(Group(Tools::Reference, Tools::Sizes), {}), L"<none>");
}

TEST_F(PdmBuilderTest, FiltersOfferChildClassesOfASavedParentRootClassesOtherwiseAndTheUpdateObjectsClass)
{
    const PlmTypeSet roots{Tools::ToolClass, Tools::AssemblyClass};
    ValueBuilder atTop(G(Tools::Reference)), underSaved(G(Tools::Reference)), underNew(G(Tools::Reference));
    underSaved.SetParentDatasetObject(Find(Tools::Reference, Tools::SetA));
    auto assembly = Info(Tools::Reference)->Classes()->Find(G(Tools::AssemblyClass));
    underNew.SetParentDatasetObject(makeDatasetObject(Info(Tools::Reference), assembly, nullptr));
    EXPECT_EQ(atTop.GetPlmFilter(), (PlmFilter{{Tools::Reference, roots}}));
    EXPECT_EQ(underNew.GetPlmFilter(), (PlmFilter{{Tools::Reference, roots}}));
    EXPECT_EQ(underSaved.GetPlmFilter(),
              (PlmFilter{{Tools::Reference, {Tools::DrillClass, Tools::MillClass, Tools::AssemblyClass}}}));
    EXPECT_TRUE(ValueBuilder(G(L"00000000-0000-4000-8000-00000000dead")).GetPlmFilter().empty());

    ValueBuilder update(Find(Tools::Reference, Tools::Drill8)->Id(), Info(Tools::Reference)->Id());
    EXPECT_EQ(update.GetPlmFilter(), (PlmFilter{{Tools::Reference, {Tools::DrillClass}}}));
    Types tagged{};
    tagged.plmTag = Tools::Name;
    tagged.plmTagValue = L"Drill 8";
    EXPECT_TRUE(update.IsValidType({}, tagged));
    EXPECT_TRUE(atTop.IsValidType({}, tagged));
    tagged.plmTagValue = L"drill 8";
    EXPECT_FALSE(update.IsValidType({}, tagged));
    tagged.plmTag = L"not a guid";
    EXPECT_FALSE(update.IsValidType({}, tagged));
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
