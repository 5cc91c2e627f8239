#include "ModelFixture.h"

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;

TEST_P(ModelTest, ExportSeedsAnEqualDatabase)
{
    // Changes made through the model are exported as well.
    auto tool = tools->CreateReferenceObject(tools->Find(SetB), toolClass(Mill));
    tool->ParameterValues().TrySetValue(Name, L"line\nbreak & <angle>");
    tool->ParameterValues().TrySetValue(Coolant, false);
    auto row = tool->CreateListObject(group(Items), group(Items)->Classes()->Find(ItemClass));
    row->ParameterValues().TrySetValue(Amount, 0.1);
    row->ApplyChanges();
    tool->AddLinkedObject(group(Accessories), holders->Find(HolderSk));
    ASSERT_TRUE(tool->ApplyChanges());

    const std::string text = ExportToText(*connection);
    auto copy = ServerConnection::Open(":memory:");
    SeedFromText(*copy, text, "export");
    EXPECT_EQ(ExportToText(*copy), text);
    EXPECT_EQ(copy->ServerName(), L"example-pdm");

    auto copied = copy->ReferenceCatalog()->Find(Tools)->CreateReference()->Find(tool->Guid());
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->GetObjectValue(Name.ToString(), true)->ToString(), L"line\nbreak & <angle>");
    EXPECT_EQ(copied->GetObjectValue(Coolant.ToString(), true)->ToBoolean(), false);
    EXPECT_EQ(copied->GetObjects(Items).at(0)->GetObjectValue(Amount.ToString(), true)->ToDouble(), 0.1);
    EXPECT_EQ(copied->GetObjects(Accessories).at(0)->Guid(), HolderSk);
    EXPECT_EQ(copied->GetParents().at(0)->Guid(), SetB);
    auto drill = copy->ReferenceCatalog()->Find(Tools)->Classes()->Find(Drill);
    EXPECT_EQ(drill->ParameterGroups().size(), 5u);
    EXPECT_EQ(copy->ReferenceCatalog()->Find(Tools)->Description()->Item(Diameter)->Unit()->ShortName(), L"mm");
}

TEST_P(ModelTest, LaterSeedsAddObjectsToExistingReferencesOnly)
{
    const std::string more =
        "<Pdm><Reference guid=\"" + std::string("a73e100b-e871-490e-b353-54f66f8a380e") +
        "\"><Object guid=\"10000000-0000-0000-0000-000000000001\" class=\"cd7054ab-8f19-41eb-8eed-af4ba23758c1\">"
        "<Value param=\"7eedf28f-a766-4477-b248-7d3054de456c\">Capto</Value></Object></Reference></Pdm>";
    SeedFromText(*connection, more, "more");
    EXPECT_TRUE(holders->Find(System::Guid::Parse(L"10000000-0000-0000-0000-000000000001")));
    try {
        SeedFromText(*connection,
                     "<Pdm><Reference guid=\"a73e100b-e871-490e-b353-54f66f8a380e\">"
                     "<Parameter guid=\"10000000-0000-0000-0000-000000000002\" name=\"X\"/></Reference></Pdm>",
                     "schema");
        ADD_FAILURE();
    } catch (const ModelException& e) {
        EXPECT_NE(std::string(e.what()).find("only objects may be added"), std::string::npos) << e.what();
    }
    EXPECT_EQ(connection->ReferenceCatalog()->Find(Holders)->Description()->Parameters().size(), 1u);
}

TEST(ModelSeed, ReferencesBetweenElementsAreChecked)
{
    const std::string head =
        "<Pdm><Reference guid=\"11111111-1111-1111-1111-111111111111\" name=\"R\" hierarchy=\"tree\">"
        "<Parameter guid=\"22222222-2222-2222-2222-222222222222\" name=\"P\"/>"
        "<Link guid=\"66666666-6666-6666-6666-666666666666\" name=\"L\" to=\"11111111-1111-1111-1111-111111111111\"/>"
        "<Table guid=\"77777777-7777-7777-7777-777777777777\" name=\"T\"><Class guid=\"78787878-7878-7878-7878-787878787878\" name=\"TC\"/></Table>"
        "<Class guid=\"33333333-3333-3333-3333-333333333333\" name=\"C\"/>";
    const std::string object = "<Object guid=\"44444444-4444-4444-4444-444444444444\" class=\"33333333-3333-3333-3333-333333333333\"";
    const std::pair<std::string, std::string> cases[] = {
        {object + " parents=\"a1111111-1111-1111-1111-111111111111 b1111111-1111-1111-1111-111111111111\"/>",
         "one parent"},
        {object + "><Link group=\"66666666-6666-6666-6666-666666666666\" object=\"99999999-9999-9999-9999-999999999999\"/></Object>",
         "names no object of the linked reference"},
        {object + "><Link group=\"22222222-2222-2222-2222-222222222222\" object=\"44444444-4444-4444-4444-444444444444\"/></Object>",
         "names no link group"},
        {object + "><Row table=\"77777777-7777-7777-7777-777777777777\" class=\"33333333-3333-3333-3333-333333333333\"/></Object>",
         "names no class of this reference or table"},
        {object + "><Value param=\"99999999-9999-9999-9999-999999999999\">x</Value></Object>", "no parameter"},
        {"<Class guid=\"55555555-5555-5555-5555-555555555555\" name=\"D\" groups=\"22222222-2222-2222-2222-222222222222\"/>",
         "attribute \"groups\" names no group"},
        {"<Class guid=\"55555555-5555-5555-5555-555555555555\" name=\"D\" abstract=\"yes\"/>", "must be true or false"},
        {"<Parameter guid=\"55555555-5555-5555-5555-555555555555\" name=\"D\" unit=\"99999999-9999-9999-9999-999999999999\"/>",
         "unknown unit"},
        {object + " order=\"first\"/>", "attribute \"order\" is not an integer"},
        {"<Class guid=\"55555555-5555-5555-5555-555555555555\" name=\"D\" abstract=\"true\"/>"
         "<Object class=\"55555555-5555-5555-5555-555555555555\"/>",
         "is abstract"},
        {"<Object/>", "missing attribute \"class\""},
    };
    for (const auto& [body, message] : cases) {
        auto connection = ServerConnection::Open(":memory:");
        try {
            SeedFromText(*connection, head + body + "</Reference></Pdm>", "refs.xml");
            ADD_FAILURE() << body;
        } catch (const ModelException& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("refs.xml: line 1: <", 0), 0u) << e.what();
        }
        EXPECT_EQ(connection->ReferenceCatalog()->GetReferences().size(), 0u);
    }
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing
