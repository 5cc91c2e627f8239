// What the PDM-side builder leaves behind when it runs again and again over the same object:
// no duplicate rows, no orphaned linked objects, no new object in place of a missing one,
// and the messages of reads and creations that fail.

#include "PdmBuilderTestSupport.h"

#include "pdm/rules/BuilderMessage.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

using Model::FaultAction;
using Model::FaultPoint;
using Model::ObjectValue;

class PdmBuilderUpdateTest : public PdmBuilderTest {
protected:
    long long Objects() const { return Count("SELECT COUNT(*) FROM objects"); }
    int ToolsId() const { return Info(Tools::Reference)->Id(); }
    std::vector<PdmObject> Rows(const PdmObject& object, const wchar_t* table) const
    {
        return FindSaved(object)->GetObjects(Group(Tools::Reference, table));
    }
    // Runs an update of `object` with the rules and values; the result of the run.
    bool Update(const PdmObject& object, const RuleSet& set, std::map<std::wstring, ObjectValue> values)
    {
        ValueBuilder builder(object->Id(), ToolsId());
        builder.values = std::move(values);
        return builder.ProcessRules(set.rules);
    }
    void FailAt(FaultPoint point, std::size_t nth, FaultAction action = FaultAction::Throw)
    {
        auto plan = std::make_shared<Model::FaultPlan>();
        plan->FailAt(point, nth, action);
        connection->SetFaultPlan(plan);
    }
};

TEST_F(PdmBuilderUpdateTest, TableRowsAreReusedSoRepeatedUpdatesAddNoRows)
{
    // Untagged rows: one row, however often the object is updated.
    RuleSet untagged;
    untagged.Type(Tools::MillClass);
    untagged.Param(L"Amount", {Tools::Items}, Tools::ItemAmount);
    auto mill = Find(Tools::Reference, Tools::Mill10);
    for (double amount : {1.0, 2.0, 3.0})
        ASSERT_TRUE(Update(mill, untagged, {{L"Amount", ObjectValue(amount)}}));
    auto rows = Rows(mill, Tools::Items);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Text(rows[0], Tools::ItemAmount), L"3");

    // Rows A and B exist, rules ask for A, B and C: exactly one row is added, twice over.
    RuleSet tagged;
    tagged.Type(Tools::DrillClass);
    for (const wchar_t* tag : {L"A", L"B", L"C"})
        tagged.Param(std::wstring(L"Item") + tag, {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, tag);
    auto drill = Find(Tools::Reference, Tools::Drill8);
    for (int run = 0; run < 2; ++run)
        ASSERT_TRUE(Update(drill, tagged, {{L"ItemA", ObjectValue(1.0)}, {L"ItemB", ObjectValue(2.0)},
                                           {L"ItemC", ObjectValue(3.0)}}));
    std::map<std::wstring, std::wstring> amounts;
    for (const auto& row : Rows(drill, Tools::Items))
        amounts[Text(row, Tools::ItemTag)] += Text(row, Tools::ItemAmount) + L";";
    EXPECT_EQ(amounts, (std::map<std::wstring, std::wstring>{{L"A", L"1;"}, {L"B", L"2;"}, {L"C", L"3;"}}));
}

TEST_F(PdmBuilderUpdateTest, AnObjectThatGainsOnlyALinkIsSavedWithIt)
{
    RuleSet set;
    set.Type(Tools::MillClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"Holder", {Tools::HolderLink}, Holders::Name);
    auto mill = Find(Tools::Reference, Tools::Mill10);
    const auto before = Objects();
    ASSERT_TRUE(Update(mill, set, {{L"Holder", ObjectValue(L"ER 32")}}));
    auto holder = FindSaved(mill)->GetObject(Group(Tools::Reference, Tools::HolderLink));
    ASSERT_TRUE(holder);
    EXPECT_EQ(Text(holder, Holders::Name), L"ER 32");

    // The next update revisits that holder instead of making another one (a to-one link is
    // never replaced).
    ASSERT_TRUE(Update(mill, set, {{L"Holder", ObjectValue(L"ER 40")}}));
    holder = FindSaved(mill)->GetObject(Group(Tools::Reference, Tools::HolderLink));
    ASSERT_TRUE(holder);
    EXPECT_EQ(Text(holder, Holders::Name), L"ER 40");
    EXPECT_EQ(Objects(), before + 1);
}

TEST_F(PdmBuilderUpdateTest, AnUpdateOfAMissingObjectFailsAndCreatesNothing)
{
    RuleSet set;
    set.Type(Tools::AssemblyClass); // a root class: the run could make a new object of it
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    const auto before = Objects();
    ValueBuilder builder(987654, ToolsId());
    builder.values = {{L"D", ObjectValue(5.0)}};
    EXPECT_FALSE(builder.ProcessRules(set.rules));
    EXPECT_TRUE(builder.GetDatasetObjects().empty());
    EXPECT_TRUE(builder.calls.empty());
    EXPECT_EQ(Objects(), before);
    ASSERT_EQ(ui.Messages().size(), 1u);
    const std::wstring expected = Message(BuilderMessageKey::GettingReferenceObjectData) + L"\n\n";
    const std::wstring& shown = ui.Messages()[0].text;
    EXPECT_EQ(shown.substr(0, expected.size()), expected);
    EXPECT_NE(shown.find(L"987654"), std::wstring::npos) << "the text names the missing object";
}

TEST_F(PdmBuilderUpdateTest, AFailedLinkOrTableReadShowsItsMessageAndSavesNothing)
{
    RuleSet set;
    set.Type(Tools::DrillClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"Holder", {Tools::HolderLink}, Holders::Name);
    set.Param(L"Amount", {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, L"Z");
    const struct {
        FaultPoint point;
        const wchar_t* key;
    } cases[] = {
        {FaultPoint::LinkRead, BuilderMessageKey::GettingReferenceLinkObject},
        {FaultPoint::TableRead, BuilderMessageKey::GettingReferenceListObject},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.point));
        auto drill = Find(Tools::Reference, Tools::Drill8);
        const auto before = Objects();
        ValueBuilder builder(drill->Id(), ToolsId());
        builder.values = {{L"D", ObjectValue(9.5)}, {L"Holder", ObjectValue(L"h")}, {L"Amount", ObjectValue(4.0)}};
        ui.Clear();
        FailAt(c.point, 1);
        EXPECT_FALSE(builder.ProcessRules(set.rules));
        connection->SetFaultPlan(nullptr);
        ASSERT_EQ(ui.Messages().size(), 1u);
        const std::wstring expected = Message(c.key) + L"\n\n";
        EXPECT_EQ(ui.Messages()[0].text.substr(0, expected.size()), expected);
        EXPECT_TRUE(builder.GetDatasetObjects().empty());
        EXPECT_EQ(Objects(), before);
        EXPECT_EQ(Text(Find(Tools::Reference, Tools::Drill8), Tools::Diameter), L"8");
    }
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
