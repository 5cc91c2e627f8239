#include "PdmBuilderTestSupport.h"

#include "pdm/rules/BuilderMessage.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

using Model::FaultAction;
using Model::ObjectValue;

// A tool under "Set A" with a new holder (to one) and a new accessory (to many): saved in the
// order holder, accessory, tool.
TEST_F(PdmBuilderTest, ASaveThatFailsKeepsWhatWasSavedBeforeAndNothingAfter)
{
    const std::wstring linkKey = BuilderMessageKey::CreatingReferenceLinkObject;
    const std::wstring listKey = BuilderMessageKey::CreatingReferenceListObject;
    const struct {
        std::size_t failingSave;
        FaultAction action;
        std::wstring key;
        bool withError;
    } cases[] = {
        {1, FaultAction::Throw, linkKey, true},         {1, FaultAction::ReturnFalse, linkKey, false},
        {2, FaultAction::Throw, linkKey, true},         {2, FaultAction::ReturnFalse, linkKey, false},
        {3, FaultAction::Throw, linkKey, true},         {3, FaultAction::ReturnFalse, listKey, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "save " << c.failingSave << (c.withError ? " throws" : " fails"));
        RuleSet set;
        set.Type(Tools::MillClass);
        set.Param(L"D", {Tools::Reference}, Tools::Diameter);
        set.Param(L"Holder", {Tools::HolderLink}, Holders::Name);
        set.Param(L"Accessory", {Tools::AccessoriesLink}, Holders::Name);
        ValueBuilder builder(G(Tools::Reference));
        builder.SetParentDatasetObject(Find(Tools::Reference, Tools::SetA));
        builder.values = {{L"D", ObjectValue(6.0)}, {L"Holder", ObjectValue(L"h")}, {L"Accessory", ObjectValue(L"a")}};
        const auto objects = Count("SELECT COUNT(*) FROM objects");
        const auto values = Count("SELECT COUNT(*) FROM vals");
        const auto links = Count("SELECT COUNT(*) FROM links");
        const auto hierarchy = Count("SELECT COUNT(*) FROM hierarchy");

        auto plan = std::make_shared<Model::FaultPlan>();
        plan->FailAt(Model::FaultPoint::Save, c.failingSave, c.action);
        connection->SetFaultPlan(plan);
        ui.Clear();
        EXPECT_FALSE(builder.ProcessRules(set.rules));
        connection->SetFaultPlan(nullptr);

        ASSERT_EQ(ui.Messages().size(), 1u);
        const std::wstring& shown = ui.Messages()[0].text;
        const std::wstring expected = Message(c.key.c_str()) + (c.withError ? L"\n\n" : L"");
        EXPECT_EQ(shown.substr(0, expected.size()), expected);
        EXPECT_EQ(shown.size() > expected.size(), c.withError);

        const auto saved = static_cast<long long>(c.failingSave) - 1;
        ASSERT_EQ(builder.GetDatasetObjects().size(), static_cast<std::size_t>(saved));
        const wchar_t* names[] = {L"h", L"a"};
        for (std::size_t i = 0; i < builder.GetDatasetObjects().size(); ++i) {
            auto stored = FindSaved(builder.GetDatasetObjects()[i]);
            ASSERT_TRUE(stored);
            EXPECT_EQ(Text(stored, Holders::Name), names[i]);
        }
        // Each saved object is one object row with its name; nothing else reached the database.
        EXPECT_EQ(Count("SELECT COUNT(*) FROM objects"), objects + saved);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM vals"), values + saved);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM links"), links);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM hierarchy"), hierarchy);
    }
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
