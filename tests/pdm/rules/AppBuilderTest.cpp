#include "AppBuilderTestData.h"

#include "pdm/rules/AppBuilder.h"
#include "platform/arbor/Model.h"
#include "platform/ui/I18n.h"
#include "platform/ui/RecordingUiDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm {
namespace {

namespace Model = Vireo::Arbor::Model;
using namespace Testing;

// Records every FillData call as "<object label>[<row names>]".
class RecordingBuilder final : public AppBuilder {
public:
    using AppBuilder::AppBuilder;

    NameFilter GetNameFilter() const override { return {}; }
    AppFilter GetAppFilter() const override { return {}; }
    bool FillData(ObjectPtr object, const AppDataset&, const std::vector<Types>&, const std::vector<Parameters>& params,
                  const std::wstring&) override
    {
        std::wstring call = label(*object) + L"[";
        for (const Parameters& row : params)
            call += row.paramName + (&row == &params.back() ? L"" : L",");
        calls.push_back(call + L"]");
        if (throwAt && calls.size() == throwAt)
            throw Model::ModelException("object data unreadable");
        return fillResult;
    }

    static std::wstring label(Model::ReferenceObject& object)
    {
        for (const wchar_t* key : {Jobs::Name, Materials::Name, Materials::Grade, Jobs::ItemTag, Jobs::Note}) {
            const auto value = object.GetObjectValue(key, false);
            if (value != Model::ObjectValue::Null && !value->IsNull())
                return value->ToString();
        }
        return L"?";
    }

    std::vector<std::wstring> calls;
    std::size_t throwAt = 0;
    bool fillResult = true;
};

class AppBuilderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        connection = Model::ServerConnection::Open(":memory:");
        Model::SeedFromText(*connection, JobsSeed(), "jobs");
        jobs = connection->ReferenceCatalog()->Find(System::Guid::Parse(Jobs::Reference))->CreateReference();
    }
    void TearDown() override { Model::ServerGateway::Connect(nullptr); }

    std::shared_ptr<Model::ReferenceObject> job(const wchar_t* guid) { return jobs->Find(System::Guid::Parse(guid)); }

    static IntegrationRules jobRules()
    {
        IntegrationRules rules;
        rules.AddTypes(L"APP", L"jobs", L"Job", AppDataType::CamObjectType, L"", Jobs::Reference, Jobs::JobClass, {}, L"", L"");
        return rules;
    }
    static void addRow(IntegrationRules& rules, const wchar_t* name, std::vector<std::wstring> groups,
                       const wchar_t* parameter)
    {
        rules.AddParams(name, L"APP", L"jobs", L"Job", AppParamType::Parameter, name, Jobs::Reference, Jobs::JobClass,
                        {}, L"", L"", groups, parameter, 0, true, true);
    }
    static IntegrationRules fullRules()
    {
        IntegrationRules rules = jobRules();
        addRow(rules, L"name", {Jobs::Reference}, Jobs::Name);
        addRow(rules, L"a1", {Jobs::GroupA}, Jobs::A1);
        addRow(rules, L"b1", {Jobs::GroupB}, Jobs::B1);
        addRow(rules, L"mat", {Jobs::MaterialLink}, Materials::Name);
        addRow(rules, L"mats", {Jobs::MaterialsLink}, Materials::Name);
        addRow(rules, L"grade", {Jobs::MaterialsLink, Materials::Grades}, Materials::Grade);
        addRow(rules, L"item", {Jobs::Items}, Jobs::ItemTag);
        addRow(rules, L"note", {Jobs::Spec}, Jobs::Note);
        addRow(rules, L"ghost", {Jobs::NoSuchGroup}, Jobs::Name);
        addRow(rules, L"pathless", {}, Jobs::Name);
        return rules;
    }

    std::shared_ptr<Model::ServerConnection> connection;
    std::shared_ptr<Model::Reference> jobs;
};

TEST_F(AppBuilderTest, WalksPlainGroupsFirstInReverseKeyOrderThenLinksAndTablesBreadthFirst)
{
    RecordingBuilder builder(job(Jobs::J1));
    EXPECT_TRUE(builder.ProcessRules(fullRules()));
    const std::vector<std::wstring> expected{
        L"J1[]",     L"J1[b1]",   L"J1[a1]",   L"J1[name]", L"M1[mat]",  L"M1[mats]", L"M2[mats]",
        L"M3[mats]", L"T1[item]", L"T2[item]", L"S1[note]", L"G1[grade]", L"G2[grade]"};
    EXPECT_EQ(builder.calls, expected);
}

TEST_F(AppBuilderTest, MissingLinkedObjectsAndUnknownGroupsAreSkippedSilently)
{
    Ui::RecordingUiDriver ui;
    Ui::ScopedHostUiDriver scope(ui);
    RecordingBuilder builder(job(Jobs::J2));
    EXPECT_TRUE(builder.ProcessRules(fullRules()));
    const std::vector<std::wstring> expected{L"J2[]", L"J2[b1]", L"J2[a1]", L"J2[name]"};
    EXPECT_EQ(builder.calls, expected);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(AppBuilderTest, RunsOnlyWithAnObjectAndADatasetThatHasBothKindsOfRows)
{
    IntegrationRules typesOnly = jobRules();
    IntegrationRules paramsOnly;
    addRow(paramsOnly, L"name", {Jobs::Reference}, Jobs::Name);
    IntegrationRules emptyParams = jobRules();
    emptyParams.GetParams()[AppDataset{L"APP", L"jobs", Jobs::Reference}];
    for (const IntegrationRules* rules : {&typesOnly, &paramsOnly, &emptyParams}) {
        RecordingBuilder builder(job(Jobs::J1));
        EXPECT_FALSE(builder.ProcessRules(*rules));
        EXPECT_TRUE(builder.calls.empty());
    }
    RecordingBuilder noObject(nullptr);
    EXPECT_FALSE(noObject.ProcessRules(fullRules()));
    EXPECT_TRUE(noObject.calls.empty());

    RecordingBuilder nothingFilled(job(Jobs::J1));
    nothingFilled.fillResult = false;
    EXPECT_FALSE(nothingFilled.ProcessRules(fullRules()));
    EXPECT_EQ(nothingFilled.calls.size(), 13u);
}

TEST_F(AppBuilderTest, ReadErrorsShowTheirMessageAndEndTheRun)
{
    struct Case {
        Model::FaultPoint point;
        const wchar_t* key;
    };
    const Case cases[] = {
        {Model::FaultPoint::LinkRead, L"VireoCAM:PDM.Message.ErrorOfGettingReferenceLinkObject"},
        {Model::FaultPoint::TableRead, L"VireoCAM:PDM.Message.ErrorOfGettingReferenceListObject"},
    };
    for (const Case& c : cases) {
        Ui::RecordingUiDriver ui;
        Ui::ScopedHostUiDriver scope(ui);
        auto plan = std::make_shared<Model::FaultPlan>();
        plan->FailAt(c.point, 1);
        connection->SetFaultPlan(plan);
        RecordingBuilder builder(job(Jobs::J1));
        EXPECT_FALSE(builder.ProcessRules(fullRules()));
        EXPECT_TRUE(builder.calls.empty()) << "the root's links and tables are read before its FillData";
        ASSERT_EQ(ui.Messages().size(), 1u);
        const std::wstring& text = ui.Messages()[0].text;
        const std::wstring headline = I18n::Translate(c.key) + L"\n\n";
        EXPECT_EQ(text.substr(0, headline.size()), headline);
        EXPECT_GT(text.size(), headline.size()) << "the model's own message follows";
        connection->SetFaultPlan(nullptr);
    }

    Ui::RecordingUiDriver ui;
    Ui::ScopedHostUiDriver scope(ui);
    RecordingBuilder builder(job(Jobs::J1));
    builder.throwAt = 5;
    EXPECT_FALSE(builder.ProcessRules(fullRules()));
    EXPECT_EQ(builder.calls.size(), 5u);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text,
              I18n::Translate(L"VireoCAM:PDM.Message.ErrorOfGettingReferenceObjectData") + L"\n\nobject data unreadable");
}

TEST_F(AppBuilderTest, TypeRowsWithATagApplyOnlyWhenTheObjectHoldsTheTagValue)
{
    RecordingBuilder j1(job(Jobs::J1)); // Kind = "mill"
    RecordingBuilder j2(job(Jobs::J2)); // no Kind
    RecordingBuilder none(nullptr);
    const AppDataset dataset{L"APP", L"jobs", Jobs::Reference};
    auto row = [](const wchar_t* tag, const wchar_t* value) {
        return Types{L"Job", AppDataType::CamObjectType, L"", Jobs::JobClass, {}, tag, value};
    };
    EXPECT_TRUE(j1.IsValidType(dataset, row(L"", L"")));
    EXPECT_TRUE(j1.IsValidType(dataset, row(Jobs::Kind, L"mill")));
    EXPECT_FALSE(j1.IsValidType(dataset, row(Jobs::Kind, L"Mill")));
    EXPECT_FALSE(j1.IsValidType(dataset, row(Materials::Grade, L""))) << "a tag the class does not have";
    EXPECT_FALSE(j1.IsValidType(dataset, row(L"not a guid", L"mill")));
    EXPECT_TRUE(j2.IsValidType(dataset, row(Jobs::Kind, L""))) << "an unset tag reads as empty text";
    EXPECT_FALSE(j2.IsValidType(dataset, row(Jobs::Kind, L"mill")));
    EXPECT_TRUE(none.IsValidType(dataset, row(Jobs::Kind, L"mill")));
}

TEST_F(AppBuilderTest, PdmFilterNamesTheDatasetAndTheObjectsExactClass)
{
    RecordingBuilder builder(job(Jobs::J1));
    const PlmFilter expected{{Jobs::Reference, {Jobs::JobClass}}};
    EXPECT_EQ(builder.GetPlmFilter(), expected);
    EXPECT_TRUE(RecordingBuilder(nullptr).GetPlmFilter().empty());
}

TEST_F(AppBuilderTest, FindsItsObjectByGuidsOrIdsOnlyThroughTheCurrentConnection)
{
    const auto j1 = job(Jobs::J1);
    const auto referenceGuid = System::Guid::Parse(Jobs::Reference);
    EXPECT_FALSE(RecordingBuilder(j1->Guid(), referenceGuid).GetDatasetObject());
    EXPECT_FALSE(RecordingBuilder(j1->Id(), jobs->Id()).GetDatasetObject());

    Model::ServerGateway::Connect(connection);
    const RecordingBuilder byGuid(j1->Guid(), referenceGuid);
    ASSERT_TRUE(byGuid.GetDatasetObject());
    EXPECT_EQ(byGuid.GetDatasetObject()->Id(), j1->Id());
    const RecordingBuilder byId(j1->Id(), jobs->Id());
    ASSERT_TRUE(byId.GetDatasetObject());
    EXPECT_EQ(byId.GetDatasetObject()->Guid(), j1->Guid());
    EXPECT_FALSE(RecordingBuilder(System::Guid::Parse(Materials::Reference), referenceGuid).GetDatasetObject());
    EXPECT_FALSE(RecordingBuilder(j1->Guid(), System::Guid::NewGuid()).GetDatasetObject());
}

} // namespace
} // namespace Vireo::Cam::Pdm
