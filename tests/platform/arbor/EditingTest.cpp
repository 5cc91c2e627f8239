#include "ModelFixture.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/DatabaseCheck.h"

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;

TEST_F(ModelTest, ObjectValuesConvertAndMissingOnesAreTheSharedNull)
{
    auto drill = tools->Find(Drill8);
    ASSERT_TRUE(drill);
    EXPECT_EQ(drill->Class()->Guid(), Drill);
    EXPECT_EQ(*drill->Reference(), *tools);
    EXPECT_EQ(text(drill, Name), L"Drill 8");
    EXPECT_EQ(drill->GetObjectValue(Flutes.ToString(), false)->ToInt32(nullptr), 2);
    EXPECT_TRUE(drill->GetObjectValue(Coolant.ToString(), false)->ToBoolean());
    EXPECT_EQ(drill->GetObjectValue(Length.ToString(), false)->ToDouble(), 80.0); // from the Sizes group
    EXPECT_EQ(drill->GetObjectValue(L"Name", false)->ToString(), L"Drill 8");
    auto mill = tools->Find(Mill10);
    EXPECT_EQ(mill->GetObjectValue(Coolant.ToString(), false), ObjectValue::Null);
    EXPECT_EQ(mill->GetObjectValue(L"no such", false), ObjectValue::Null);
    EXPECT_THROW(mill->GetObjectValue(L"no such", true), ModelException);
    auto diameter = drill->ParameterValues().GetParameter(Diameter);
    ASSERT_TRUE(diameter);
    EXPECT_EQ(diameter->ToString(), L"8");
    EXPECT_EQ(diameter->ParameterInfo()->Unit()->Guid(), Millimetre);
    EXPECT_FALSE(drill->ParameterValues().GetParameter(Tag)); // a table column, not the object's

    const struct {
        ObjectValue value;
        std::wstring text;
        int number;
        bool flag;
    } values[] = {{ObjectValue(L"42"), L"42", 42, false}, {ObjectValue(2.5), L"2.5", 2, true},
                  {ObjectValue(3.5), L"3.5", 4, true},    {ObjectValue(true), L"True", 1, true},
                  {ObjectValue(), L"", 0, false}};
    for (const auto& v : values) {
        EXPECT_EQ(v.value.ToString(), v.text);
        EXPECT_EQ(v.value.ToInt32(), v.number) << v.value.ToString();
        if (!std::holds_alternative<std::wstring>(v.value.Value())) {
            EXPECT_EQ(v.value.ToBoolean(), v.flag) << v.value.ToString();
        }
    }
    EXPECT_THROW(ObjectValue(L"4x").ToInt32(), ModelException);
    EXPECT_THROW(ObjectValue(L"maybe").ToBoolean(), ModelException);
}

// An observer of saves hears of each object once it is written whole; one that throws breaks
// off what follows, and the object stays saved.
TEST_F(ModelTest, TheSaveObserverHearsOfWholeSavedObjectsAndMayStopWhatFollows)
{
    struct Stopper : SaveObserver {
        std::vector<int> saved;
        void ObjectSaved(const ReferenceObject& object) override
        {
            saved.push_back(object.Id());
            throw 1;
        }
    } stopper;
    connection->SetSaveObserver(&stopper);
    auto object = tools->CreateReferenceObject(toolClass(Drill));
    ASSERT_TRUE(object->ParameterValues().TrySetValue(Name, L"Drill 14"));
    EXPECT_THROW(object->ApplyChanges(), int);
    connection->SetSaveObserver(nullptr);
    ASSERT_EQ(stopper.saved.size(), 1U);
    EXPECT_NE(stopper.saved.front(), 0);
    const auto again = tools->Find(object->Guid());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->GetObjectValue(Name.ToString(), false)->ToString(), L"Drill 14");
    EXPECT_EQ(CheckDatabase(connection->GetDatabase()), std::vector<std::string>{});
}

TEST_F(ModelTest, NewObjectsReachTheDatabaseOnlyThroughApplyChanges)
{
    auto object = tools->CreateReferenceObject(toolClass(Drill));
    ASSERT_TRUE(object);
    EXPECT_FALSE(tools->CreateReferenceObject(toolClass(ToolClass))); // abstract
    EXPECT_TRUE(object->IsNew());
    EXPECT_EQ(object->Id(), 0);
    EXPECT_FALSE(object->IsModified());
    auto& values = object->ParameterValues();
    EXPECT_TRUE(values.TrySetValue(Name, L"Drill 12"));
    EXPECT_TRUE(values.TrySetValue(Diameter, L"12.5")); // text that is a number
    EXPECT_TRUE(values.TrySetValue(Flutes, 3));
    EXPECT_FALSE(values.TrySetValue(Flutes, L"three"));
    EXPECT_FALSE(values.TrySetValue(Tag, L"A"));
    EXPECT_TRUE(object->IsModified());
    EXPECT_FALSE(tools->Find(object->Guid()));

    ASSERT_TRUE(object->ApplyChanges());
    EXPECT_FALSE(object->IsNew());
    EXPECT_NE(object->Id(), 0);
    EXPECT_FALSE(object->IsModified());
    auto again = tools->Find(object->Id());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Guid(), object->Guid());
    EXPECT_EQ(again->GetObjectValue(Diameter.ToString(), false)->ToDouble(), 12.5);
    EXPECT_EQ(again->GetObjectValue(Flutes.ToString(), false)->ToInt32(), 3);

    // Saved objects take values only while open; setting the stored value changes nothing.
    EXPECT_FALSE(again->ParameterValues().TrySetValue(Flutes, 5));
    again->BeginChanges();
    EXPECT_TRUE(again->ParameterValues().TrySetValue(Flutes, 3));
    EXPECT_FALSE(again->IsModified());
    EXPECT_TRUE(again->ParameterValues().TrySetValue(Flutes, 5));
    EXPECT_TRUE(again->IsModified());
    EXPECT_TRUE(again->ParameterValues().TrySetValue(Name, ObjectValue()));
    ASSERT_TRUE(again->ApplyChanges());
    auto third = tools->Find(object->Guid());
    EXPECT_EQ(third->GetObjectValue(Flutes.ToString(), false)->ToInt32(), 5);
    EXPECT_EQ(third->GetObjectValue(Name.ToString(), false), ObjectValue::Null);
}

TEST_F(ModelTest, SavesInsideACommandTransactionKeepThoseBeforeAFailedOneAndNothingOfIt)
{
    const auto toolCount = [&] {
        auto all = tools->CreateLoader(nullptr, nullptr, nullptr);
        all->Load();
        return all->size();
    };
    auto& database = connection->GetDatabase();
    std::shared_ptr<ReferenceObject> first;
    {
        Database::Transaction command(database);
        first = tools->CreateReferenceObject(toolClass(Drill));
        first->ParameterValues().TrySetValue(Name, L"Before");
        ASSERT_TRUE(first->ApplyChanges());
        auto failing = tools->CreateReferenceObject(toolClass(Drill));
        failing->ParameterValues().TrySetValue(Name, L"Failing");
        failing->SetLinkedObject(group(HolderLink), holders->CreateReferenceObject(holders->Classes()->Find(HolderClass)));
        EXPECT_THROW(failing->ApplyChanges(), ModelException);
        EXPECT_TRUE(failing->IsNew());
        auto after = tools->CreateReferenceObject(toolClass(Drill));
        after->ParameterValues().TrySetValue(Name, L"After");
        ASSERT_TRUE(after->ApplyChanges());
        command.Commit();
    }
    EXPECT_EQ(toolCount(), 6u);
    EXPECT_EQ(text(tools->Find(first->Guid()), Name), L"Before");
    auto values = database.Prepare("SELECT COUNT(*) FROM vals v JOIN parameters p ON p.id = v.param_id "
                                   "WHERE v.value = 'Failing'");
    ASSERT_TRUE(values.Step());
    EXPECT_EQ(values.Int(0), 0) << "a row of the failed save stayed";

    {
        Database::Transaction abandoned(database);
        auto unkept = tools->CreateReferenceObject(toolClass(Drill));
        ASSERT_TRUE(unkept->ApplyChanges());
    }
    EXPECT_EQ(toolCount(), 6u) << "a command that did not commit left a save behind";
    EXPECT_TRUE(CheckDatabase(database).empty());
}

TEST_F(ModelTest, FailedSaveLeavesDatabaseAndObjectAsBefore)
{
    auto object = tools->CreateReferenceObject(toolClass(Drill));
    object->ParameterValues().TrySetValue(Name, L"Half");
    auto unsavedHolder = holders->CreateReferenceObject(holders->Classes()->Find(HolderClass));
    object->SetLinkedObject(group(HolderLink), unsavedHolder);
    EXPECT_THROW(object->ApplyChanges(), ModelException);
    EXPECT_TRUE(object->IsNew());
    EXPECT_TRUE(object->IsModified());
    EXPECT_FALSE(tools->Find(object->Guid()));
    auto all = tools->CreateLoader(nullptr, nullptr, nullptr);
    all->Load();
    EXPECT_EQ(all->size(), 4u);

    // Once the holder is saved the same object saves in full.
    ASSERT_TRUE(unsavedHolder->ApplyChanges());
    ASSERT_TRUE(object->ApplyChanges());
    EXPECT_EQ(tools->Find(object->Guid())->GetObject(group(HolderLink))->Guid(), unsavedHolder->Guid());
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;

TEST_F(ModelTest, PendingChangesShowUntilCancelled)
{
    auto drill = tools->Find(Drill8);
    drill->BeginChanges();
    ASSERT_TRUE(drill->ParameterValues().TrySetValue(Name, L"Renamed"));
    EXPECT_EQ(text(drill, Name), L"Renamed"); // reads see the object's own changes
    EXPECT_EQ(drill->ParameterValues().GetParameter(Name)->ToString(), L"Renamed");
    EXPECT_EQ(text(tools->Find(Drill8), Name), L"Drill 8");
    auto row = drill->CreateListObject(group(Items), group(Items)->Classes()->Find(ItemClass));
    row->ParameterValues().TrySetValue(Tag, L"C");
    ASSERT_TRUE(row->ApplyChanges()); // the owner is saved: written at once
    drill->SetLinkedObject(group(HolderLink), holders->Find(HolderSk));
    EXPECT_EQ(drill->GetObject(group(HolderLink))->Guid(), HolderSk);
    drill->CancelChanges();
    EXPECT_FALSE(drill->IsModified());
    EXPECT_FALSE(drill->IsOpenForChanges());
    EXPECT_EQ(text(drill, Name), L"Drill 8");
    EXPECT_EQ(drill->GetObject(group(HolderLink))->Guid(), HolderHsk);
    EXPECT_EQ(drill->GetObjects(Items).size(), 3u);
}

TEST_F(ModelTest, OneToOneTableRowAndSetLinkToNothing)
{
    auto mill = tools->Find(Mill10);
    EXPECT_FALSE(mill->GetObject(group(Spec)));
    auto row = mill->CreateListObject(group(Spec), group(Spec)->Classes()->Find(SpecRow));
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->ParameterValues().TrySetValue(G(L"d6177757-43b9-4953-87e4-c520b6b1d4f0"), L"coated"));
    EXPECT_TRUE(row->IsModified());
    ASSERT_TRUE(row->ApplyChanges());
    EXPECT_EQ(tools->Find(Mill10)->GetObject(group(Spec))->GetObjectValue(L"Note", true)->ToString(), L"coated");

    auto drill = tools->Find(Drill8);
    EXPECT_EQ(drill->SetLinkedObject(group(HolderLink), nullptr), nullptr);
    EXPECT_FALSE(drill->GetObject(group(HolderLink)));
    EXPECT_EQ(drill->AddLinkedObject(group(Accessories), nullptr), nullptr);
    ASSERT_TRUE(drill->ApplyChanges());
    EXPECT_FALSE(tools->Find(Drill8)->GetObject(group(HolderLink)));
    EXPECT_EQ(tools->Find(Drill8)->GetObjects(Accessories).size(), 2u);
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing
