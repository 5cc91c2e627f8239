#include "ModelFixture.h"

#include "platform/arbor/Database.h"

#include <filesystem>

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;

TEST_P(ModelTest, SeedGivesTheSchemaCallersNavigate)
{
    auto catalog = connection->ReferenceCatalog();
    auto info = catalog->Find(Tools);
    ASSERT_TRUE(info);
    EXPECT_EQ(catalog->Find(info->Id()), info);
    EXPECT_EQ(catalog->Find(L"{" + Tools.ToString() + L"}"), info);
    EXPECT_EQ(catalog->Find(L"Tools"), info);
    EXPECT_EQ(catalog->GetReferences().size(), 3u); // units, holders, tools
    EXPECT_EQ(info->HierarchyType(), ReferenceHierarchyType::Complex);
    EXPECT_FALSE(catalog->Find(Holders)->HasHierarchy());
    EXPECT_EQ(connection->StoredServerName(), L"example-pdm");
    if (GetParam() == Vireo::Testing::Storage::Sqlite)
        EXPECT_EQ(connection->ServerName(), L"example-pdm");
    else // a server is named by its address, so that two never share cached rules
        EXPECT_NE(connection->ServerName().find(L":"), std::wstring::npos); // host:port/database
    EXPECT_EQ(connection->ConnectionParameters().GetServerAddress(), L"example-pdm:8080");

    auto description = info->Description();
    EXPECT_TRUE(description->IsReference());
    EXPECT_EQ(description->Guid(), Tools);
    EXPECT_EQ(description->ReferenceGroup()->ReferenceInfo(), info);
    EXPECT_TRUE(description->Item(Name));
    EXPECT_FALSE(description->Item(Length)); // in the Sizes group
    EXPECT_EQ(description->Item(Diameter)->Unit()->Guid(), Millimetre);
    EXPECT_EQ(description->Item(Diameter)->Unit()->ShortName(), L"mm");
    EXPECT_EQ(description->ClassParameterInfo()->Guid(), System::Guid::Parse(L"87f10f3f-81a2-4fa4-b23f-9b2a3935c67d"));

    auto all = description->GetAllGroups();
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[0], description);
    EXPECT_TRUE(all.Find(HolderLink)->IsLinkToOne());
    EXPECT_TRUE(all.Find(Accessories)->IsLinkToMany());
    EXPECT_EQ(all.Find(HolderLink)->SlaveGroup()->ReferenceGroup()->ReferenceInfo()->Guid(), Holders);
    EXPECT_TRUE(all.Find(L"Items")->IsTableOneToMany());
    EXPECT_EQ(description->OneToManyTables().size(), 1u);
    ASSERT_EQ(description->OneToOneTables().size(), 1u);
    EXPECT_EQ(description->OneToOneTables()[0]->Guid(), Spec);
    EXPECT_EQ(all.Find(Items)->Classes()->GetNotAbstractClasses().size(), 2u);

    auto classes = info->Classes();
    ASSERT_EQ(classes->GetRootClasses().size(), 2u);
    EXPECT_TRUE(classes->GetRootClasses()[0]->IsAbstract());
    EXPECT_EQ(classes->GetNotAbstractClasses().size(), 3u);
    auto drill = classes->Find(Drill);
    EXPECT_EQ(drill->Parent()->Guid(), ToolClass);
    EXPECT_EQ(drill->ParameterGroups().size(), 5u); // inherited from Tool
    EXPECT_TRUE(drill->ParameterGroups().Find(Items));
    auto assembly = classes->Find(Assembly);
    EXPECT_EQ(assembly->ChildObjectClasses().size(), 3u);
    EXPECT_EQ(assembly->ParameterGroups().size(), 5u); // lists none: every group of the reference
}

TEST(ModelSeed, MalformedSeedIsRejectedWholeWithItsPlace)
{
    const std::string head = "<Pdm>\n<Reference guid=\"11111111-1111-1111-1111-111111111111\" name=\"R\">\n"
                             "<Parameter guid=\"22222222-2222-2222-2222-222222222222\" name=\"P\" type=\"int\"/>\n"
                             "<Class guid=\"33333333-3333-3333-3333-333333333333\" name=\"C\"/>\n";
    const std::string object = "<Object class=\"33333333-3333-3333-3333-333333333333\">";
    const struct {
        std::string body;
        std::string message;
    } cases[] = {
        {"<Object>", "seed.xml: line"},
        {"</Reference><Bogus/></Pdm>", "seed.xml: line 5: <Bogus>: unexpected element in <Pdm>"},
        {object + "<Value param=\"22222222-2222-2222-2222-222222222222\">x</Value></Object></Reference></Pdm>",
         "line 5: <Value>: \"x\" is no value of the parameter's type"},
        {"<Object class=\"44444444-4444-4444-4444-444444444444\"/></Reference></Pdm>",
         "line 5: <Object>: attribute \"class\" names no class"},
        {"<Parameter guid=\"nope\" name=\"Q\"/></Reference></Pdm>", "attribute \"guid\" is not a GUID: \"nope\""},
        {"<Parameter guid=\"55555555-5555-5555-5555-555555555555\" type=\"float\" name=\"Q\"/></Reference></Pdm>",
         "attribute \"type\" must be one of text, int, double, bool"},
        {"<Link guid=\"66666666-6666-6666-6666-666666666666\" name=\"L\" to=\"77777777-7777-7777-7777-777777777777\"/>"
         "</Reference></Pdm>",
         "line 5: <Link>: attribute \"to\" names no reference"},
        {object + "</Object><Object class=\"33333333-3333-3333-3333-333333333333\" "
                  "parents=\"88888888-8888-8888-8888-888888888888\"/></Reference></Pdm>",
         "the reference has no hierarchy"},
        {"<Class guid=\"33333333-3333-3333-3333-333333333333\" name=\"D\"/></Reference></Pdm>", "is used twice"},
    };
    for (const auto& c : cases) {
        auto connection = ServerConnection::Open(":memory:");
        try {
            SeedFromText(*connection, head + c.body, "seed.xml");
            ADD_FAILURE() << "accepted: " << c.body;
        } catch (const ModelException& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(connection->ReferenceCatalog()->GetReferences().size(), 0u) << c.body;
        // The database took nothing: the same good part seeds cleanly afterwards.
        SeedFromText(*connection, head + "</Reference></Pdm>", "seed.xml");
        EXPECT_EQ(connection->ReferenceCatalog()->GetReferences().size(), 1u);
    }
    auto connection = ServerConnection::Open(":memory:");
    try {
        SeedFromFile(*connection, DataFile("missing.xml"));
        ADD_FAILURE();
    } catch (const ModelException& e) {
        EXPECT_NE(std::string(e.what()).find("missing.xml"), std::string::npos);
    }
}

TEST(ModelSeed, FileDatabaseKeepsItsDataAndVersion)
{
    const auto path = std::filesystem::temp_directory_path() / (L"arbor-" + System::Guid::NewGuid().ToString().substr(0, 8) + L".db");
    const std::string file = path.string();
    {
        auto connection = ServerConnection::Open(file);
        SeedFromFile(*connection, DataFile("units.xml"));
        SeedFromFile(*connection, DataFile("example.xml"));
    }
    {
        auto connection = ServerGateway::Open(file);
        EXPECT_TRUE(ServerGateway::IsConnected());
        EXPECT_EQ(ServerGateway::Connection(), connection);
        auto tools = connection->ReferenceCatalog()->Find(Tools)->CreateReference();
        EXPECT_EQ(tools->Find(Drill8)->GetObjectValue(Name.ToString(), false)->ToString(), L"Drill 8");
        ServerGateway::Close();
        EXPECT_FALSE(ServerGateway::IsConnected());
        // References outlive nothing: a closed connection leaves handles usable.
        EXPECT_TRUE(tools->Find(Mill10));
    }
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(file + suffix);
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing

namespace Vireo::Arbor::Model::Testing {
namespace {

TEST(ModelStorage, DatabaseOfAnotherVersionIsRefusedByPath)
{
    const auto path = (std::filesystem::temp_directory_path() /
                       (L"arbor-version-" + System::Guid::NewGuid().ToString().substr(0, 8) + L".db")).string();
    { ServerConnection::Open(path)->GetDatabase().Execute("PRAGMA user_version = 99"); }
    try {
        ServerConnection::Open(path);
        ADD_FAILURE();
    } catch (const ModelException& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("schema version 99"), std::string::npos) << e.what();
    }
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path + suffix);
    EXPECT_THROW(ServerConnection::Open("/nonexistent-dir/x.db"), ModelException);
}

TEST_P(ModelTest, UnitsMayBeAddedByALaterFile)
{
    auto countUnits = [&] {
        auto loader = connection->ReferenceCatalog()->Find(L"Units")->CreateReference()->CreateLoader(nullptr, nullptr, nullptr);
        loader->Load();
        return loader->size();
    };
    const std::size_t before = countUnits();
    SeedFromText(*connection,
                 "<Pdm><Units><Unit guid=\"10000000-0000-0000-0000-0000000000aa\" name=\"Inch\" short=\"in\"/>"
                 "</Units></Pdm>",
                 "more units");
    EXPECT_EQ(countUnits(), before + 1);
    EXPECT_EQ(connection->ReferenceCatalog()->GetReferences().size(), 3u);
}

TEST_P(ModelTest, ValuesThatCannotBeReadThrowEvenWhenPlannedToReturnFalse)
{
    auto plan = std::make_shared<FaultPlan>();
    connection->SetFaultPlan(plan);
    auto drill = tools->Find(Example::Drill8);
    plan->FailAt(FaultPoint::ObjectRead, 2, FaultAction::ReturnFalse);
    EXPECT_THROW(drill->GetObjectValue(Example::Name.ToString(), false), ModelException);
    EXPECT_EQ(text(drill, Example::Name), L"Drill 8"); // the next read goes through
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing
