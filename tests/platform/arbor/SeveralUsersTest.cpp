// Several users on one PDM at once, each through a connection of their own: objects made at
// the same time, one object saved by two users, and names and values that look like SQL.

#include "ModelFixture.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/DatabaseCheck.h"
#include "platform/support/Utf8.h"

#include <filesystem>
#include <set>
#include <thread>
#include <unistd.h>

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;

INSTANTIATE_TEST_SUITE_P(Storages, ModelTest, ::testing::ValuesIn(Vireo::Testing::AllStorages()), StorageTestName);

// A PDM that a second connection can open: a file for SQLite, the test's schema on the server.
class SeveralUsers : public ModelTest {
protected:
    void SetUp() override
    {
        VIREO_SKIP_WITHOUT_STORAGE(GetParam());
        storage = std::make_unique<Vireo::Testing::TestDatabase>(GetParam());
        static int files = 0;
        file_ = (std::filesystem::temp_directory_path() /
                 ("several-users-" + std::to_string(getpid()) + "-" + std::to_string(++files) + ".db"))
                    .string();
        removeFile();
        text_ = Vireo::Testing::SharedText(*storage, file_);
        connection = ServerConnection::Open(text_);
        SeedFromFile(*connection, DataFile("units.xml"));
        SeedFromFile(*connection, DataFile("example.xml"));
        tools = connection->ReferenceCatalog()->Find(Tools)->CreateReference();
    }
    void TearDown() override
    {
        connection.reset();
        removeFile();
    }

    std::shared_ptr<Reference> otherUsersTools(std::shared_ptr<ServerConnection>& other)
    {
        other = ServerConnection::Open(text_);
        return other->ReferenceCatalog()->Find(Tools)->CreateReference();
    }

    std::wstring name(const std::shared_ptr<ReferenceObject>& object) { return text(object, Name); }

private:
    void removeFile()
    {
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(file_ + suffix);
    }

    std::string file_;
    std::string text_;
};

TEST_P(SeveralUsers, ObjectsMadeAtOnceUnderOneParentAreAllThereOnceEach)
{
    constexpr int perUser = 1000;
    const auto makeUnder = [&](const std::shared_ptr<Reference>& reference, const wchar_t* prefix) {
        const auto parent = reference->Find(SetA);
        const auto drill = reference->Classes()->Find(Drill);
        for (int i = 0; i < perUser; ++i) {
            auto object = reference->CreateReferenceObject(parent, drill);
            object->ParameterValues().TrySetValue(Name, std::wstring(prefix) + std::to_wstring(i));
            ASSERT_TRUE(object->ApplyChanges());
        }
    };
    const auto childrenOfSetA = [&] {
        auto loader = tools->CreateLoader(nullptr, tools->Find(SetA), nullptr);
        loader->Load();
        return loader;
    };
    const std::size_t before = childrenOfSetA()->size();
    std::shared_ptr<ServerConnection> other;
    const auto theirs = otherUsersTools(other);
    std::thread second([&] { makeUnder(theirs, L"B "); });
    makeUnder(tools, L"A ");
    second.join();

    const auto children = childrenOfSetA();
    std::set<int> ids;
    std::set<System::Guid> guids;
    std::set<std::wstring> names;
    for (const auto& child : *children) {
        ids.insert(child->Id());
        guids.insert(child->Guid());
        names.insert(name(child));
    }
    const std::size_t made = 2 * perUser;
    EXPECT_EQ(children->size(), before + made);
    EXPECT_EQ(ids.size(), children->size());
    EXPECT_EQ(guids.size(), children->size());
    EXPECT_EQ(names.size(), children->size()); // every name once: none lost, none twice
    EXPECT_TRUE(CheckDatabase(connection->GetDatabase()).empty());
}

TEST_P(SeveralUsers, OfTwoUsersSavingOneObjectTheSecondIsToldAndSavesNothingOfIt)
{
    std::shared_ptr<ServerConnection> other;
    auto mine = tools->Find(Drill8);
    auto theirs = otherUsersTools(other)->Find(Drill8);
    ASSERT_EQ(name(theirs), L"Drill 8");

    mine->BeginChanges();
    mine->ParameterValues().TrySetValue(Name, L"Drill 8 (mine)");
    mine->ParameterValues().TrySetValue(Flutes, 3);
    ASSERT_TRUE(mine->ApplyChanges());

    theirs->BeginChanges();
    theirs->ParameterValues().TrySetValue(Name, L"Drill 8 (theirs)");
    theirs->ParameterValues().TrySetValue(Diameter, 9.0);
    try {
        theirs->ApplyChanges();
        ADD_FAILURE() << "the second save went through";
    } catch (const ModelException& error) {
        EXPECT_NE(std::string(error.what()).find("another user changed the PDM object"), std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(theirs->IsModified()); // still there to be looked at, or cancelled

    const auto stored = otherUsersTools(other)->Find(Drill8);
    EXPECT_EQ(name(stored), L"Drill 8 (mine)");
    EXPECT_EQ(stored->GetObjectValue(Flutes.ToString(), true)->ToInt32(), 3);
    EXPECT_EQ(stored->GetObjectValue(Diameter.ToString(), true)->ToDouble(), 8.0);

    // Read again, the object saves: the conflict was with what it had read.
    stored->BeginChanges();
    stored->ParameterValues().TrySetValue(Diameter, 9.0);
    EXPECT_TRUE(stored->ApplyChanges());
    // Saving the same object twice through two handles of one user is no conflict.
    auto again = tools->Find(Drill8);
    auto handle = tools->Find(Drill8);
    again->BeginChanges();
    again->ParameterValues().TrySetValue(Flutes, 4);
    EXPECT_TRUE(again->ApplyChanges());
    handle->BeginChanges();
    handle->ParameterValues().TrySetValue(Flutes, 5);
    EXPECT_TRUE(handle->ApplyChanges());
}

TEST_P(ModelTest, NamesAndValuesThatLookLikeSqlComeBackUnchanged)
{
    const std::wstring texts[] = {L"Robert'); DROP TABLE objects;--", L"a\"b\"c", L"x' OR '1'='1",
                                  L"/* comment */ ; -- ?1 $1 ?", L"back\\slash\ttab\nline", L"\u00e9\u00df\u4e2d"};
    std::vector<System::Guid> made;
    for (const auto& value : texts) {
        auto object = tools->CreateReferenceObject(toolClass(Drill));
        ASSERT_TRUE(object->ParameterValues().TrySetValue(Name, value));
        ASSERT_TRUE(object->ApplyChanges());
        made.push_back(object->Guid());
    }
    for (std::size_t i = 0; i < made.size(); ++i) {
        auto object = tools->Find(made[i]);
        ASSERT_TRUE(object);
        EXPECT_EQ(text(object, Name), texts[i]);
        auto filter = std::make_shared<Search::Filter>(tools->ReferenceInfo());
        auto term = filter->Terms()->AddTerm();
        term->Path.AddParameter(group(Tools)->Item(Name), false);
        term->Operator = Search::ComparisonOperator::Equal;
        term->Value = ObjectValue(texts[i]);
        auto found = tools->CreateLoader(filter, nullptr, nullptr);
        found->Load();
        ASSERT_EQ(found->size(), 1u) << Support::WideToUtf8(texts[i]);
    }
    EXPECT_TRUE(CheckDatabase(connection->GetDatabase()).empty());
}

INSTANTIATE_TEST_SUITE_P(Storages, SeveralUsers, ::testing::ValuesIn(Vireo::Testing::AllStorages()), StorageTestName);

} // namespace
} // namespace Vireo::Arbor::Model::Testing
