#include "PdmBuilderTestSupport.h"

#include "platform/arbor/FaultPlan.h"

#include "pdm/rules/BuilderMessage.h"

#include <algorithm>

namespace Vireo::Cam::Pdm::Testing {
namespace {

using Model::ObjectValue;


class PdmBuilderRunTest : public PdmBuilderTest {
protected:
    long long Objects() const { return Count("SELECT COUNT(*) FROM objects"); }
    int ToolsId() const { return Info(Tools::Reference)->Id(); }
};

TEST_F(PdmBuilderRunTest, CreatesTheRootUnderItsParentWithLinksAndRowsAndSavesTheRootLast)
{
    RuleSet set;
    set.Type(Tools::MillClass, Tools::Name, L"from rules");
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"L", {Tools::Sizes}, Tools::Length);
    set.Param(L"Holder", {Tools::HolderLink}, Holders::Name);
    set.Param(L"Accessory", {Tools::AccessoriesLink}, Holders::Name);
    set.Param(L"ItemA", {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, L"A");
    ValueBuilder builder(G(Tools::Reference));
    builder.SetParentDatasetObject(Find(Tools::Reference, Tools::SetA));
    builder.values = {{L"D", ObjectValue(12.0)},          {L"L", ObjectValue(70.0)},
                      {L"Holder", ObjectValue(L"new holder")}, {L"Accessory", ObjectValue(L"new accessory")},
                      {L"ItemA", ObjectValue(3.0)}};
    ASSERT_TRUE(builder.ProcessRules(set.rules));
    EXPECT_TRUE(ui.Messages().empty());

    // Links first, the last discovered first; then objects backwards: the row, the root.
    const auto& saved = builder.GetDatasetObjects();
    ASSERT_EQ(saved.size(), 4u);
    auto root = FindSaved(saved[3]);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Class()->Guid(), G(Tools::MillClass));
    EXPECT_EQ(Text(root, Tools::Name), L"from rules");
    EXPECT_EQ(Text(root, Tools::Diameter), L"12");
    EXPECT_EQ(Text(root, Tools::Length), L"70");
    ASSERT_EQ(root->GetParents().size(), 1u);
    EXPECT_EQ(root->GetParents()[0]->Guid(), G(Tools::SetA));

    auto holder = root->GetObject(Group(Tools::Reference, Tools::HolderLink));
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->Guid(), saved[0]->Guid());
    EXPECT_EQ(Text(holder, Holders::Name), L"new holder");
    auto accessories = root->GetObjects(Group(Tools::Reference, Tools::AccessoriesLink));
    ASSERT_EQ(accessories.size(), 1u);
    EXPECT_EQ(accessories[0]->Guid(), saved[1]->Guid());
    EXPECT_EQ(Text(accessories[0], Holders::Name), L"new accessory");
    auto rows = root->GetObjects(Group(Tools::Reference, Tools::Items));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->Guid(), saved[2]->Guid());
    EXPECT_EQ(Text(rows[0], Tools::ItemTag), L"A");
    EXPECT_EQ(Text(rows[0], Tools::ItemAmount), L"3");
}

// A new object gets its one-to-one row, a linked object reached through the linked
// reference's own group, and rows of a table reached below a same-object group.
TEST_F(PdmBuilderRunTest, CreatesOneToOneRowsAndFollowsPathsThroughSameObjectGroups)
{
    const std::wstring holders = L"a73e100b-e871-490e-b353-54f66f8a380e"; // the linked reference
    RuleSet set;
    set.Type(Tools::MillClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"Note", {Tools::Spec}, Tools::SpecNote);
    set.Param(L"Holder", {Tools::HolderLink, holders}, Holders::Name);
    set.Param(L"Amount", {Tools::Reference, Tools::Items}, Tools::ItemAmount);
    ValueBuilder builder(G(Tools::Reference));
    builder.values = {{L"D", ObjectValue(4.0)}, {L"Note", ObjectValue(L"coated")}, {L"Holder", ObjectValue(L"ER 16")},
                      {L"Amount", ObjectValue(2.5)}};
    builder.SetParentDatasetObject(Find(Tools::Reference, Tools::SetA));
    ASSERT_TRUE(builder.ProcessRules(set.rules));
    ASSERT_FALSE(builder.GetDatasetObjects().empty());
    auto root = FindSaved(builder.GetDatasetObjects().back());
    ASSERT_TRUE(root);
    auto spec = root->GetObject(Group(Tools::Reference, Tools::Spec));
    ASSERT_TRUE(spec);
    EXPECT_EQ(Text(spec, Tools::SpecNote), L"coated");
    auto holder = root->GetObject(Group(Tools::Reference, Tools::HolderLink));
    ASSERT_TRUE(holder);
    EXPECT_EQ(Text(holder, Holders::Name), L"ER 16");
    auto items = root->GetObjects(Group(Tools::Reference, Tools::Items));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(Text(items[0], Tools::ItemAmount), L"2.5");
}

TEST_F(PdmBuilderRunTest, ObjectsWithoutDataAreDroppedWithTheirSubtree)
{
    RuleSet set;
    set.Type(Tools::AssemblyClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"Holder", {Tools::HolderLink}, Holders::Name);
    const auto before = Objects();

    ValueBuilder nothing(G(Tools::Reference));
    nothing.GetDatasetObjects().push_back(Find(Tools::Reference, Tools::SetA));
    EXPECT_TRUE(nothing.ProcessRules(set.rules));
    EXPECT_EQ(nothing.GetDatasetObjects().size(), 1u);
    EXPECT_EQ(Objects(), before);
    // The root got nothing, so its linked object was never reached.
    EXPECT_EQ(nothing.calls.size(), 2u);

    ValueBuilder rootOnly(G(Tools::Reference));
    rootOnly.values = {{L"D", ObjectValue(5.0)}};
    ASSERT_TRUE(rootOnly.ProcessRules(set.rules));
    ASSERT_EQ(rootOnly.GetDatasetObjects().size(), 1u);
    EXPECT_EQ(Objects(), before + 1);
    EXPECT_FALSE(FindSaved(rootOnly.GetDatasetObjects()[0])->GetObject(Group(Tools::Reference, Tools::HolderLink)));
}

TEST_F(PdmBuilderRunTest, UpdateRevisitsTheFirstLinkedObjectMatchesRowsByTagAndFillsOneToOneTablesTwice)
{
    RuleSet set;
    set.Type(Tools::DrillClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"Accessory", {Tools::AccessoriesLink}, Holders::Name);
    set.Param(L"ItemA", {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, L"A");
    set.Param(L"ItemB", {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, L"B");
    set.Param(L"ItemC", {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, L"C");
    set.Param(L"Note", {Tools::Spec}, Tools::SpecNote);
    auto drill = Find(Tools::Reference, Tools::Drill8);
    ValueBuilder update(drill->Id(), ToolsId());
    update.values = {{L"D", ObjectValue(9.0)},      {L"Accessory", ObjectValue(L"renamed")},
                     {L"ItemA", ObjectValue(10.0)}, {L"ItemB", ObjectValue(20.0)},
                     {L"ItemC", ObjectValue(30.0)}, {L"Note", ObjectValue(L"polished")}};
    ASSERT_TRUE(update.ProcessRules(set.rules));

    drill = Find(Tools::Reference, Tools::Drill8);
    EXPECT_EQ(Text(drill, Tools::Diameter), L"9");
    auto accessories = drill->GetObjects(Group(Tools::Reference, Tools::AccessoriesLink));
    ASSERT_EQ(accessories.size(), 2u);
    EXPECT_EQ(Text(accessories[0], Holders::Name), L"renamed");
    EXPECT_EQ(Text(accessories[1], Holders::Name), L"HSK 63");

    std::map<std::wstring, std::wstring> amounts;
    for (const auto& row : drill->GetObjects(Group(Tools::Reference, Tools::Items)))
        amounts[Text(row, Tools::ItemTag)] = Text(row, Tools::ItemAmount);
    EXPECT_EQ(amounts, (std::map<std::wstring, std::wstring>{{L"A", L"10"}, {L"B", L"20"}, {L"C", L"30"}}));
    EXPECT_EQ(Text(drill->GetObject(Group(Tools::Reference, Tools::Spec)), Tools::SpecNote), L"polished");

    const auto noteCalls = std::count_if(update.calls.begin(), update.calls.end(), [](const auto& call) {
        return call.rows == std::vector<std::wstring>{L"Note"};
    });
    EXPECT_EQ(noteCalls, 2); // on the tool in the first pass, on the table row in the second
}

// Every read of an object's values during the update fails once in turn: each failure ends
// the run with one message and leaves the PDM as it was, and none makes a second table row.
TEST_F(PdmBuilderRunTest, AnUnreadableValueDuringAnUpdateStopsWithOneMessageAndMakesNoRow)
{
    RuleSet set;
    set.Type(Tools::DrillClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"ItemA", {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, L"A");
    set.Param(L"ItemB", {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, L"B");
    const int drillId = Find(Tools::Reference, Tools::Drill8)->Id();
    const auto rows = [&] { return Count("SELECT COUNT(*) FROM objects WHERE owner_id IS NOT NULL"); };
    const long long rowsBefore = rows();
    const long long valuesBefore = Count("SELECT COUNT(*) FROM vals");
    auto faults = std::make_shared<Model::FaultPlan>();
    connection->SetFaultPlan(faults);
    std::size_t failed = 0;
    for (std::size_t nth = 1;; ++nth) {
        faults->Reset();
        faults->FailAt(Model::FaultPoint::ObjectRead, nth);
        ui.Clear();
        ValueBuilder update(drillId, ToolsId());
        update.values = {{L"D", ObjectValue(9.0)}, {L"ItemA", ObjectValue(10.0)}, {L"ItemB", ObjectValue(20.0)}};
        const bool result = update.ProcessRules(set.rules);
        if (faults->Count(Model::FaultPoint::ObjectRead) < nth) {
            EXPECT_TRUE(result) << "no read failed";
            break;
        }
        SCOPED_TRACE(testing::Message() << "read " << nth);
        ++failed;
        EXPECT_FALSE(result);
        EXPECT_EQ(ui.Messages().size(), 1u);
        EXPECT_EQ(rows(), rowsBefore);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM vals"), valuesBefore);
    }
    connection->SetFaultPlan(nullptr);
    EXPECT_GE(failed, 3u) << "the tool and its two rows are read";
    EXPECT_EQ(rows(), rowsBefore) << "rows A and B are found by their tags";
}

TEST_F(PdmBuilderRunTest, CreationTryAnswersAtTheFirstFilledObjectAndSavesNothing)
{
    RuleSet set;
    set.Type(Tools::AssemblyClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"Holder", {Tools::HolderLink}, Holders::Name);
    const auto before = Objects();
    ValueBuilder builder(G(Tools::Reference));
    builder.SetCreationTry(true);
    builder.values = {{L"D", ObjectValue(5.0)}, {L"Holder", ObjectValue(L"h")}};
    EXPECT_TRUE(builder.ProcessRules(set.rules));
    EXPECT_TRUE(builder.GetDatasetObjects().empty());
    EXPECT_EQ(builder.calls.size(), 2u); // the root's own group, then the root itself
    EXPECT_EQ(Objects(), before);
}

TEST_F(PdmBuilderRunTest, FailuresBeforeSavingShowTheirMessageAndSaveNothing)
{
    const auto before = Objects();
    const std::wstring tagKey = BuilderMessageKey::SettingTypePlmTag;
    const std::wstring dataKey = BuilderMessageKey::GettingReferenceObjectData;
    const struct {
        std::wstring tag;
        bool failFill;
        std::wstring text;
    } cases[] = {
        {Holders::Name, false, Message(tagKey.c_str())}, // not a parameter of tools
        {L"no guid", false, Message(tagKey.c_str()) + L"\n\na rule names no PDM parameter GUID"},
        {L"", true, Message(dataKey.c_str()) + L"\n\nno values today"},
    };
    for (const auto& c : cases) {
        RuleSet set;
        set.Type(Tools::AssemblyClass, c.tag, L"x");
        set.Param(L"D", {Tools::Reference}, Tools::Diameter);
        ValueBuilder builder(G(Tools::Reference));
        builder.values = {{L"D", ObjectValue(5.0)}};
        builder.failFill = c.failFill;
        ui.Clear();
        EXPECT_FALSE(builder.ProcessRules(set.rules));
        ASSERT_EQ(ui.Messages().size(), 1u);
        EXPECT_EQ(ui.Messages()[0].text, c.text);
        EXPECT_EQ(ui.Messages()[0].type, 0u);
        EXPECT_TRUE(builder.GetDatasetObjects().empty());
    }
    EXPECT_EQ(Objects(), before);
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
