// The kinds of the host: tool logics and strategies with their parameter declarations.

#include "platform/cam/ParameterIds.h"
#include "platform/cam/Strategy.h"
#include "platform/cam/ToolLogic.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace Vireo::Cam;
namespace Ids = Vireo::Cam::HostIds;

const ParameterDeclaration* find(std::span<const ParameterDeclaration> declarations, const UniqueIdentifier& id)
{
    return FindDeclaration(declarations, id);
}

TEST(ToolLogicCatalogue, EveryKindIsCreatableAndDeclaresDistinctParameters)
{
    const auto descriptions = GetDefaultToolLogicFactory().GetDescriptions();
    ASSERT_EQ(descriptions.size(), 18u);
    std::set<UniqueIdentifier> kinds;
    std::set<UniqueIdentifier> toolParameterIds;
    std::size_t toolParameterCount = 0;
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const ToolLogicDescription& description = descriptions[i];
        EXPECT_EQ(description.kindNumber, static_cast<int>(i + 1));
        EXPECT_TRUE(kinds.insert(description.kind).second);
        const auto logic = GetDefaultToolLogicFactory().Create(description.kind);
        ASSERT_NE(logic, nullptr);
        EXPECT_EQ(logic->GetKind(), description.kind);
        EXPECT_EQ(&logic->GetDescription(), &description);
        ASSERT_NE(find(description.parameters, Ids::Common::Name), nullptr);
        std::set<UniqueIdentifier> own;
        for (const ParameterDeclaration& declaration : description.parameters) {
            EXPECT_FALSE(declaration.id.IsEmpty());
            EXPECT_TRUE(own.insert(declaration.id).second) << std::string(description.name.begin(), description.name.end());
            EXPECT_NE(declaration.MakeDefault(), nullptr);
            if (declaration.id != Ids::Common::Name && declaration.id != Ids::ToolParams::TurnInsertShape &&
                declaration.id != Ids::ToolParams::GrooveInsertShape) {
                toolParameterIds.insert(declaration.id);
                ++toolParameterCount;
            }
        }
    }
    // Each kind has its own "D", "L" ...: no identifier is shared between kinds.
    EXPECT_EQ(toolParameterIds.size(), toolParameterCount);
    EXPECT_EQ(GetDefaultToolLogicFactory().Create(Ids::StrategyKinds::MillLayers), nullptr);
    EXPECT_EQ(GetDefaultToolLogicFactory().Create(UniqueIdentifier::Empty()), nullptr);
}

TEST(ToolLogicCatalogue, QuotedIdentifiersAndValueKinds)
{
    const auto endMill = GetDefaultToolLogicFactory().Create(zktypes::HostId("ae471e72-676d-4739-9418-bc4000adb986"));
    ASSERT_NE(endMill, nullptr);
    const auto declarations = endMill->GetParameterDeclarations();
    const ParameterDeclaration* d = find(declarations, zktypes::HostId("da27ecd9-eeb7-47f5-bc5d-25872fe93d06"));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->name, L"D");
    EXPECT_EQ(d->kind, BaseValue::Double);
    EXPECT_EQ(d->unit, zktypes::ZKUnits::Millimeter);
    const ParameterDeclaration* shoulder = find(declarations, zktypes::HostId("a19ca520-e11b-4303-b4e3-469d7a76bb36"));
    ASSERT_NE(shoulder, nullptr);
    EXPECT_EQ(shoulder->kind, BaseValue::Bool);
    EXPECT_EQ(find(declarations, Ids::ToolParams::MillEnd::Z)->kind, BaseValue::Int);

    const auto turning = GetDefaultToolLogicFactory().Create(Ids::ToolKinds::TurnInsert);
    const ParameterDeclaration* shape = find(turning->GetParameterDeclarations(), Ids::ToolParams::TurnInsertShape);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->kind, BaseValue::Int);
    const auto grooving = GetDefaultToolLogicFactory().Create(Ids::ToolKinds::GrooveInsert);
    EXPECT_NE(find(grooving->GetParameterDeclarations(), Ids::ToolParams::GrooveInsertShape), nullptr);
    const auto threadMill = GetDefaultToolLogicFactory().Create(Ids::ToolKinds::ThreadMill);
    EXPECT_EQ(find(threadMill->GetParameterDeclarations(), Ids::ToolParams::ThreadMill::Nc)->kind, BaseValue::Int);
}

TEST(StrategyCatalogue, SeventeenKindsWithGroupedTechnologyParameters)
{
    const auto descriptions = GetDefaultStrategyFactory().GetDescriptions();
    ASSERT_EQ(descriptions.size(), 17u);
    std::set<UniqueIdentifier> kinds;
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const StrategyDescription& description = descriptions[i];
        EXPECT_EQ(description.kindNumber, static_cast<int>(i + 1));
        EXPECT_TRUE(kinds.insert(description.kind).second);
        ASSERT_NE(GetDefaultStrategyFactory().Create(description.kind), nullptr);
        for (const UniqueIdentifier& topLevel : {Ids::Common::Name, Ids::Common::Description, Ids::Common::OrderNo}) {
            const ParameterDeclaration* declaration = find(description.parameters, topLevel);
            ASSERT_NE(declaration, nullptr);
            EXPECT_TRUE(declaration->group.IsEmpty());
        }
        const bool face = description.kind == Ids::StrategyKinds::MillFace;
        const ParameterDeclaration* feed =
            find(description.parameters, face ? Ids::MachiningParams::FaceFeed : Ids::MachiningParams::Feed);
        ASSERT_NE(feed, nullptr);
        EXPECT_EQ(feed->group, Ids::MachiningParams::FeedsGroup);
        EXPECT_EQ(feed->unit, zktypes::ZKUnits::MillimeterPerMinute);
        EXPECT_EQ(find(description.parameters, Ids::MachiningParams::Feed) != nullptr, !face);
    }
    const auto plunge = GetDefaultStrategyFactory().Create(Ids::StrategyKinds::MillPlunge);
    EXPECT_NE(find(plunge->GetParameterDeclarations(), zktypes::HostId("9393541A-8F20-4798-BC35-07FCB5A50036")),
              nullptr);
    EXPECT_EQ(find(plunge->GetParameterDeclarations(), Ids::MachiningParams::PassStep), nullptr);
    EXPECT_EQ(GetDefaultStrategyFactory().Create(Ids::ToolKinds::MillEnd), nullptr);
}

} // namespace
