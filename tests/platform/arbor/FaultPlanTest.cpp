#include "ModelFixture.h"

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;

TEST_P(ModelTest, FaultPlanCountsCallsAndFailsTheChosenOne)
{
    auto plan = std::make_shared<FaultPlan>();
    connection->SetFaultPlan(plan);
    auto loader = tools->CreateLoader(nullptr, nullptr, nullptr);
    loader->Load();
    auto drill = tools->Find(Drill8);
    drill->GetObjects(Items);
    drill->GetObjects(Accessories);
    text(drill, Name);
    EXPECT_EQ(plan->Count(FaultPoint::Search), 1u);
    EXPECT_EQ(plan->Count(FaultPoint::ObjectRead), 2u); // the find and the values
    EXPECT_EQ(plan->Count(FaultPoint::TableRead), 1u);
    EXPECT_EQ(plan->RowsRead(), 2u);
    EXPECT_EQ(plan->Count(FaultPoint::LinkRead), 1u);

    const struct {
        FaultPoint point;
        std::function<bool()> call; // true when the call succeeded
    } cases[] = {
        {FaultPoint::Search, [&] { auto l = tools->CreateLoader(nullptr, nullptr, nullptr); l->Load(); return l->State() == LoadState::Loaded; }},
        {FaultPoint::ObjectRead, [&] { return tools->Find(Mill10) != nullptr; }},
        {FaultPoint::LinkRead, [&] { return !tools->Find(Drill8)->GetObjects(Accessories).empty(); }},
        {FaultPoint::TableRead, [&] { return !tools->Find(Drill8)->GetObjects(Items).empty(); }},
        {FaultPoint::ValueWrite, [&] { auto o = tools->CreateReferenceObject(toolClass(Drill)); return o->ParameterValues().TrySetValue(Name, L"n"); }},
        {FaultPoint::Save, [&] { auto o = tools->CreateReferenceObject(toolClass(Drill)); return o->ApplyChanges(); }},
    };
    for (const auto& c : cases) {
        plan->Reset();
        plan->FailAt(c.point, 2, FaultAction::ReturnFalse);
        plan->FailAt(c.point, 3, FaultAction::Throw);
        EXPECT_TRUE(c.call());
        EXPECT_FALSE(c.call());
        EXPECT_THROW(c.call(), ModelException);
        EXPECT_TRUE(c.call());
        EXPECT_EQ(plan->Count(c.point), 4u);
    }
    connection->SetFaultPlan(nullptr);
    EXPECT_TRUE(tools->Find(Mill10));
}

TEST_P(ModelTest, FailedSaveByPlanWritesNothing)
{
    auto plan = std::make_shared<FaultPlan>();
    connection->SetFaultPlan(plan);
    auto object = tools->CreateReferenceObject(toolClass(Drill));
    object->ParameterValues().TrySetValue(Name, L"planned");
    plan->FailAt(FaultPoint::Save, 1, FaultAction::Throw);
    EXPECT_THROW(object->ApplyChanges(), ModelException);
    EXPECT_TRUE(object->IsNew());
    EXPECT_TRUE(object->IsModified());
    EXPECT_TRUE(object->ApplyChanges());
    EXPECT_FALSE(object->IsModified());
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing
