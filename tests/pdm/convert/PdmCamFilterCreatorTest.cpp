#include "pdm/convert/PdmCamFilterCreator.h"

#include "pdm/rules/IntegrationManager.h"
#include "platform/arbor/Model.h"
#include "platform/cam/Model.h"
#include "platform/cam/ParameterIds.h"
#include "tests/pdm/testing/FaultSweep.h"
#include "tests/pdm/testing/PdmFixture.h"
#include "tests/pdm/testing/PdmSeed.h"
#include "tests/pdm/testing/RuleSeed.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Vireo::Cam::Pdm::Testing {
namespace {

namespace ArborModel = Vireo::Arbor::Model;
using Vireo::Testing::ParamRowSeed;
using Vireo::Testing::PdmFixture;
using Vireo::Testing::RulePath;
using Vireo::Testing::RuleObjectSeed;
using Vireo::Testing::TypeRowSeed;

// Cutters in metres, told apart by a kind tag, each made by a maker of another reference.
namespace Cutters {
inline constexpr wchar_t Reference[] = L"5c000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Name[] = L"5c000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Kind[] = L"5c000000-0000-4000-8000-000000000002";
inline constexpr wchar_t Sizes[] = L"5d000000-0000-4000-8000-000000000000";
inline constexpr wchar_t D[] = L"5d000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Maker[] = L"5e000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Cutter[] = L"5c000000-0000-4000-8000-0000000000c1";
inline constexpr wchar_t Holder[] = L"5c000000-0000-4000-8000-0000000000c2";
inline constexpr wchar_t Makers[] = L"5f000000-0000-4000-8000-000000000000";
inline constexpr wchar_t MakerName[] = L"5f000000-0000-4000-8000-000000000001";
} // namespace Cutters

std::string CuttersSeed()
{
    namespace S = Vireo::Testing::Seed;
    using namespace Cutters;
    constexpr wchar_t MakerClass[] = L"5f000000-0000-4000-8000-0000000000c1";
    constexpr wchar_t Acme[] = L"5f000000-0000-4000-8000-0000000000a1";
    constexpr wchar_t Nordland[] = L"5f000000-0000-4000-8000-0000000000a2";
    constexpr wchar_t Metre[] = L"acf9467a-86ac-4aac-bfcf-f9bbf311a761";
    const auto tool = [](const wchar_t* objectClass, std::string_view name, std::string_view kind,
                         std::string_view d, const wchar_t* maker) {
        S::ObjectSeed object{.guid = nullptr, .objectClass = objectClass, .values = {{Name, name}}};
        if (!kind.empty())
            object.values.emplace_back(Kind, kind);
        object.values.emplace_back(D, d);
        if (maker)
            object.body.push_back(S::Link(Maker, maker));
        return S::Object(object);
    };
    return S::Pdm(
        {S::Reference(Makers, "Makers",
                      {S::Parameter({MakerName, "Name"}), S::Class(MakerClass, "Maker"),
                       S::Object({Acme, MakerClass, {{MakerName, "Acme"}}}),
                       S::Object({Nordland, MakerClass, {{MakerName, "Nordland"}}})}),
         S::Reference(Cutters::Reference, "Cutters",
                      {S::Parameter({Name, "Name"}), S::Parameter({Kind, "Kind"}),
                       S::Group(Sizes, "Sizes", {{D, "D", "double", Metre}}), S::LinkGroup(Maker, "Maker", Makers),
                       S::Class(Cutter, "Cutter"), S::Class(Holder, "Holder"),
                       tool(Cutter, "EM10", "endmill", "0.010", Acme), tool(Cutter, "EM12", "endmill", "0.012", Acme),
                       tool(Cutter, "EM16", "endmill", "0.016", Nordland), tool(Cutter, "DR12", "drill", "0.012", nullptr),
                       tool(Holder, "HD12", "", "0.012", nullptr)})});
}

// End mills are cutters of kind "endmill"; "D" reaches the sizes group, "Name" the maker's
// name through the link; a row for "Teeth" names a parameter the reference lacks.
RuleObjectSeed cutterRules(std::vector<TypeRowSeed> types)
{
    RuleObjectSeed rules;
    rules.name = L"Cutters";
    rules.appCode = L"VIREO CAM";
    rules.datasetGuid = Cutters::Reference;
    rules.types = std::move(types);
    rules.params = {
        ParamRowSeed{L"D", RulePath({Cutters::Reference, Cutters::Sizes, Cutters::D})},
        ParamRowSeed{L"Name", RulePath({Cutters::Reference, Cutters::Maker, Cutters::MakerName})},
        ParamRowSeed{L"Z", RulePath({Cutters::Reference, L"5d000000-0000-4000-8000-0000000000ff"})},
    };
    return rules;
}

TypeRowSeed endMillRow()
{
    return TypeRowSeed{L"ToolMillEnd", RulePath({Cutters::Cutter}), RulePath({Cutters::Reference, Cutters::Kind}), L"endmill"};
}

class PdmCamFilterCreatorTest : public ::testing::Test {
protected:
    void Seed(std::vector<TypeRowSeed> types)
    {
        pdm.SeedText(CuttersSeed());
        Vireo::Testing::SeedRuleObjects(pdm, {cutterRules(std::move(types))});
    }

    CamObject EndMill(double millimetres, const std::wstring& name)
    {
        Model model(&doc);
        Tool* tool = model.GetTools().Create();
        tool->SetLogic(GetDefaultToolLogicFactory().Create(HostIds::ToolKinds::MillEnd));
        tool->SetName(name);
        tool->GetParameters().TrySetValue(HostIds::ToolParams::MillEnd::D,
                                          DoubleValue(millimetres, zktypes::ZKUnits::Millimeter));
        return CamObject{tool};
    }

    // The filter text of a run, or nothing when it failed.
    std::optional<std::wstring> Filter(const CamObject& object, std::unordered_set<std::wstring> keys,
                                       const wchar_t* reference = Cutters::Reference)
    {
        PdmCamFilterCreator creator(object, System::Guid::Parse(reference), std::move(keys));
        if (!IntegrationManager().MakeData(creator)) {
            EXPECT_EQ(creator.GetFilter(), L"");
            return std::nullopt;
        }
        return creator.GetFilter();
    }

    // The names of the objects the reference's loader selects with the filter text.
    std::vector<std::wstring> Selected(const std::wstring& text) const
    {
        auto info = pdm.Connection().ReferenceCatalog()->Find(System::Guid::Parse(Cutters::Reference));
        auto loader = info->CreateReference()->CreateLoader(ArborModel::Search::Filter::Parse(info, text), nullptr,
                                                            nullptr);
        loader->Load();
        std::vector<std::wstring> names;
        for (const auto& object : *loader)
            names.push_back(object->ParameterValues().GetParameter(System::Guid::Parse(Cutters::Name))->ToString());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::size_t Count(const std::wstring& text, const std::wstring& part)
    {
        std::size_t count = 0;
        for (auto at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }

    PdmFixture pdm{std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm"};
    CZkw32Doc doc;
};

TEST_F(PdmCamFilterCreatorTest, TheLoaderSelectsByValueInThePdmUnitByLinkedValueAndByClassAndTag)
{
    Seed({endMillRow()});
    const auto byDiameter = Filter(EndMill(12, L"Nordland"), {L"D"});
    ASSERT_TRUE(byDiameter);
    EXPECT_EQ(Selected(*byDiameter), std::vector<std::wstring>{L"EM12"});

    const auto byMaker = Filter(EndMill(12, L"Nordland"), {L"Name"});
    ASSERT_TRUE(byMaker);
    EXPECT_NE(byMaker->find(std::wstring(L">{") + Cutters::Maker + L"}.{" + Cutters::MakerName + L"}"),
              std::wstring::npos)
        << "the term runs through the link group: " << testing::PrintToString(*byMaker);
    EXPECT_EQ(Selected(*byMaker), std::vector<std::wstring>{L"EM16"});

    // No keys: class and tag only, so the drill and the holder of the same size stay out.
    const auto byClass = Filter(EndMill(12, L"Nordland"), {});
    ASSERT_TRUE(byClass);
    EXPECT_EQ(Selected(*byClass), (std::vector<std::wstring>{L"EM10", L"EM12", L"EM16"}));
    EXPECT_EQ(Count(*byClass, L" = "), 2u);
}

TEST_F(PdmCamFilterCreatorTest, RowsForEveryClassJoinEachTypeRowAndMissingParametersDropOnlyTheirTerm)
{
    Seed({endMillRow(), TypeRowSeed{L"Tool", RulePath({Cutters::Holder})}});
    const auto text = Filter(EndMill(25, L"Acme"), {L"D", L"Z"});
    ASSERT_TRUE(text);
    // Two groups, each with the class term and the diameter in metres; the end mill's group
    // also has its tag; "Z" names no parameter of the reference and adds nothing.
    EXPECT_EQ(Count(*text, L"{" + std::wstring(Cutters::D) + L"} = 0.025"), 2u) << testing::PrintToString(*text);
    EXPECT_EQ(Count(*text, L"\"endmill\""), 1u);
    EXPECT_EQ(Count(*text, L" = "), 5u);
    EXPECT_EQ(Selected(*text), std::vector<std::wstring>{});
}

TEST_F(PdmCamFilterCreatorTest, NoFilterWithoutADatasetOfTheReferenceOrWithoutConnection)
{
    Seed({endMillRow()});
    EXPECT_FALSE(Filter(EndMill(12, L""), {L"D"}, Cutters::Makers));
    const CamObject mill = EndMill(12, L"");
    pdm.Disconnect();
    EXPECT_FALSE(Filter(mill, {L"D"}));
}

TEST_F(PdmCamFilterCreatorTest, APdmCallFailingWhileTheFilterIsBuiltGivesTheWholeFilterOrNone)
{
    Seed({endMillRow()});
    const CamObject mill = EndMill(12, L"Nordland");
    const auto whole = Filter(mill, {L"D", L"Name"});
    ASSERT_TRUE(whole) << "loads the rules before the sweep";
    const std::string document = doc.SaveToText();
    // The descriptions of references, groups and parameters are read with the connection, so
    // a run with its rules loaded may make no call that can fail; one added later is swept.
    Vireo::Testing::SweepPdmFaults(pdm, [&] { return Filter(mill, {L"D", L"Name"}); },
                                   [&](const std::optional<std::optional<std::wstring>>& text) {
                                       if (text && *text) {
                                           EXPECT_EQ(**text, *whole) << "a filter with a term left out";
                                       }
                                       EXPECT_EQ(doc.SaveToText(), document);
                                       EXPECT_EQ(pdm.Faults().Count(ArborModel::FaultPoint::Save), 0u);
                                   });
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
