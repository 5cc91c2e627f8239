#include "ModelFixture.h"

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;

std::vector<std::wstring> tags(const std::vector<std::shared_ptr<ReferenceObject>>& rows)
{
    std::vector<std::wstring> out;
    for (const auto& row : rows)
        out.push_back(row->GetObjectValue(Tag.ToString(), false)->ToString());
    return out;
}

TEST_P(ModelTest, LinksAndRowsComeInModelOrder)
{
    auto drill = tools->Find(Drill8);
    EXPECT_EQ(drill->GetObject(group(HolderLink))->Guid(), HolderHsk);
    auto accessories = drill->GetObjects(Accessories);
    ASSERT_EQ(accessories.size(), 2u);
    EXPECT_EQ(accessories[0]->Guid(), HolderSk);
    EXPECT_EQ(accessories[0]->Reference()->Id(), holders->Id());
    EXPECT_EQ(tags(drill->GetObjects(Items)), (std::vector<std::wstring>{L"A", L"B"}));
    EXPECT_EQ(drill->GetObjects(Items)[0]->SystemFields().Order, 1);
    EXPECT_EQ(drill->GetObject(group(Spec))->GetObjectValue(L"Note", true)->ToString(), L"ground");
    EXPECT_FALSE(tools->Find(Mill10)->GetObject(group(HolderLink)));
    EXPECT_THROW(drill->GetObjects(group(Sizes)), ModelException);
    EXPECT_THROW(drill->GetObjects(Name), ModelException);
}

TEST_P(ModelTest, RowsAndLinksOfANewObjectAreWrittenWithIt)
{
    auto tool = tools->CreateReferenceObject(toolClass(Mill));
    tool->ParameterValues().TrySetValue(Name, L"Mill 6");
    auto table = group(Items);
    auto itemClass = table->Classes()->Find(ItemClass);
    EXPECT_FALSE(tool->CreateListObject(table, toolClass(Drill)));
    for (const wchar_t* tag : {L"X", L"Y"}) {
        auto row = tool->CreateListObject(table, itemClass);
        ASSERT_TRUE(row);
        EXPECT_TRUE(row->ParameterValues().TrySetValue(Tag, tag));
        EXPECT_FALSE(row->ParameterValues().TrySetValue(Name, L"not a column"));
        EXPECT_TRUE(row->ApplyChanges()); // waits for its owner
        EXPECT_TRUE(row->IsNew());
    }
    auto holder = holders->Find(HolderSk);
    EXPECT_EQ(tool->SetLinkedObject(group(HolderLink), holder), holder);
    EXPECT_EQ(tool->AddLinkedObject(group(Accessories), holder), holder);
    EXPECT_THROW(tool->SetLinkedObject(group(HolderLink), tools->Find(Mill10)), ModelException);
    EXPECT_EQ(tags(tool->GetObjects(Items)), (std::vector<std::wstring>{L"X", L"Y"}));
    EXPECT_EQ(tool->GetObject(group(HolderLink))->Guid(), HolderSk);

    ASSERT_TRUE(tool->ApplyChanges());
    auto saved = tools->Find(tool->Guid());
    auto rows = saved->GetObjects(Items);
    EXPECT_EQ(tags(rows), (std::vector<std::wstring>{L"X", L"Y"}));
    EXPECT_NE(rows[0]->Id(), 0);
    EXPECT_EQ(saved->GetObject(group(HolderLink))->Guid(), HolderSk);
    EXPECT_EQ(saved->GetObjects(Accessories).size(), 1u);

    // A row added to a saved object is saved on its own; a to-one link is replaced.
    auto row = saved->CreateListObject(table, itemClass);
    row->ParameterValues().TrySetValue(Tag, L"Z");
    ASSERT_TRUE(row->ApplyChanges());
    EXPECT_NE(row->Id(), 0);
    saved->SetLinkedObject(group(HolderLink), holders->Find(HolderHsk));
    saved->AddLinkedObject(group(Accessories), holders->Find(HolderHsk));
    saved->AddLinkedObject(group(Accessories), holder); // already there
    ASSERT_TRUE(saved->ApplyChanges());
    auto third = tools->Find(tool->Guid());
    EXPECT_EQ(tags(third->GetObjects(Items)), (std::vector<std::wstring>{L"X", L"Y", L"Z"}));
    EXPECT_EQ(third->GetObject(group(HolderLink))->Guid(), HolderHsk);
    EXPECT_EQ(third->GetObjects(Accessories).size(), 2u);
}

TEST_P(ModelTest, HierarchyAllowsSeveralParentsOnlyWhereTheReferenceSaysSo)
{
    auto setA = tools->Find(SetA);
    auto children = tools->CreateLoader(nullptr, setA, nullptr);
    children->Load();
    ASSERT_EQ(children->State(), LoadState::Loaded);
    ASSERT_EQ(children->size(), 2u);
    EXPECT_EQ((*children)[0]->Guid(), Drill8);
    EXPECT_EQ((*children)[1]->Guid(), Mill10);
    EXPECT_EQ(tools->Find(Drill8)->GetParents().size(), 2u);

    auto child = tools->CreateReferenceObject(setA, toolClass(Drill));
    child->ParameterValues().TrySetValue(Name, L"Under A");
    EXPECT_FALSE(tools->CreateReferenceObject(holders->Find(HolderSk), toolClass(Drill)));
    auto unsaved = tools->CreateReferenceObject(toolClass(Mill));
    EXPECT_FALSE(tools->Find(SetB)->CreateChildLink(unsaved)->EndChanges());
    ASSERT_TRUE(child->ApplyChanges());

    auto setB = tools->Find(SetB);
    auto link = setB->CreateChildLink(child);
    ASSERT_TRUE(link->EndChanges());
    EXPECT_TRUE(setB->IsModified());
    EXPECT_EQ(child->GetParents().size(), 1u); // not yet written
    ASSERT_TRUE(setB->ApplyChanges());
    EXPECT_EQ(child->GetParents().size(), 2u);
    EXPECT_FALSE(setB->CreateChildLink(child)->EndChanges()); // already a parent
    EXPECT_FALSE(child->CreateChildLink(child)->EndChanges());

    auto fresh = tools->CreateLoader(nullptr, setB, nullptr);
    fresh->Load();
    ASSERT_EQ(fresh->size(), 2u);
    EXPECT_EQ((*fresh)[1]->Guid(), child->Guid());
}

TEST(ModelHierarchy, TreeReferenceRefusesASecondParent)
{
    auto connection = ServerConnection::Open(":memory:");
    SeedFromText(*connection,
                 "<Pdm><Reference guid=\"11111111-1111-1111-1111-111111111111\" name=\"R\" hierarchy=\"tree\">"
                 "<Class guid=\"33333333-3333-3333-3333-333333333333\" name=\"C\"/>"
                 "<Object guid=\"44444444-4444-4444-4444-444444444444\" class=\"33333333-3333-3333-3333-333333333333\"/>"
                 "<Object guid=\"55555555-5555-5555-5555-555555555555\" class=\"33333333-3333-3333-3333-333333333333\"/>"
                 "<Object guid=\"66666666-6666-6666-6666-666666666666\" class=\"33333333-3333-3333-3333-333333333333\""
                 " parents=\"44444444-4444-4444-4444-444444444444\"/></Reference></Pdm>",
                 "tree");
    auto reference = connection->ReferenceCatalog()->Find(L"R")->CreateReference();
    auto child = reference->Find(System::Guid::Parse(L"66666666-6666-6666-6666-666666666666"));
    auto other = reference->Find(System::Guid::Parse(L"55555555-5555-5555-5555-555555555555"));
    EXPECT_FALSE(other->CreateChildLink(child)->EndChanges());
    EXPECT_TRUE(child->CreateChildLink(other)->EndChanges());
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing
