// Parameter values: kinds, setting with unit conversion, groups and enumeration.

#include "platform/cam/ParameterDeclaration.h"
#include "platform/cam/Parameters.h"

#include <gtest/gtest.h>

namespace {

using namespace Vireo::Cam;
using zktypes::HostId;
namespace ZKUnits = zktypes::ZKUnits;

constexpr UniqueIdentifier flagId = HostId("0a6b1e52-93d4-4b0e-8d1c-5b2f3a7e9c01");
constexpr UniqueIdentifier countId = HostId("0a6b1e52-93d4-4b0e-8d1c-5b2f3a7e9c02");
constexpr UniqueIdentifier lengthId = HostId("0a6b1e52-93d4-4b0e-8d1c-5b2f3a7e9c03");
constexpr UniqueIdentifier nameId = HostId("0a6b1e52-93d4-4b0e-8d1c-5b2f3a7e9c04");
constexpr UniqueIdentifier groupId = HostId("0a6b1e52-93d4-4b0e-8d1c-5b2f3a7e9c05");
constexpr UniqueIdentifier unknownId = HostId("0a6b1e52-93d4-4b0e-8d1c-5b2f3a7e9c06");

const ParameterDeclaration declarations[] = {
    {nameId, L"Name", BaseValue::String, ZKUnits::None, 0, L"unnamed", {}},
    {flagId, L"Flag", BaseValue::Bool, ZKUnits::None, 1, L"", groupId},
    {countId, L"Count", BaseValue::Int, ZKUnits::None, 3, L"", {}},
    {lengthId, L"Length", BaseValue::Double, ZKUnits::Millimeter, 12.5, L"", groupId},
};
const ParameterGroupDeclaration groups[] = {{groupId, L"Group"}};

TEST(Parameters, BuildPlacesGroupedParametersInsideOneAggregate)
{
    const Parameters parameters = BuildParameters(declarations, groups);
    std::vector<UniqueIdentifier> topLevel;
    for (auto e = parameters.GetEnumerator(); e.MoveNext();)
        topLevel.push_back(e.GetId());
    EXPECT_EQ(topLevel, (std::vector<UniqueIdentifier>{nameId, groupId, countId}));
    EXPECT_EQ(parameters.GetValue(lengthId), nullptr); // only inside the group
    const AggregateValue* group = parameters.GetValue(groupId)->AsAggregate();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->GetValue().GetValue(flagId)->AsBool()->GetValue());
    const DoubleValue* length = group->GetValue().GetValue(lengthId)->AsDouble();
    EXPECT_DOUBLE_EQ(length->GetValue(), 12.5);
    EXPECT_EQ(length->GetUnit()->GetCode(), ZKUnits::Millimeter);
    EXPECT_EQ(parameters.GetValue(nameId)->AsString()->GetValue(), L"unnamed");
    EXPECT_EQ(parameters.GetValue(UniqueIdentifier::Empty()), nullptr);
}

TEST(Parameters, TrySetValueAcceptsOnlyKnownIdentifiersAndTheSameKind)
{
    Parameters parameters = BuildParameters(declarations, groups);
    Parameters& inner = parameters.GetValue(groupId)->AsAggregate()->GetValue();
    struct Case {
        Parameters* target;
        UniqueIdentifier id;
        std::unique_ptr<BaseValue> value;
        bool accepted;
    };
    Case cases[] = {
        {&parameters, countId, std::make_unique<IntValue>(7), true},
        {&parameters, countId, std::make_unique<DoubleValue>(7.0), false},
        {&parameters, countId, std::make_unique<BoolValue>(true), false},
        {&parameters, unknownId, std::make_unique<IntValue>(7), false},
        {&parameters, UniqueIdentifier::Empty(), std::make_unique<IntValue>(7), false},
        {&parameters, lengthId, std::make_unique<DoubleValue>(1.0), false}, // not at the top level
        {&inner, lengthId, std::make_unique<DoubleValue>(0.02, ZKUnits::Meter), true},
        {&inner, lengthId, std::make_unique<DoubleValue>(5.0, ZKUnits::Kilogram), false},
        {&inner, flagId, std::make_unique<StringValue>(L"true"), false},
        {&parameters, nameId, std::make_unique<StringValue>(L"Cutter"), true},
        {&parameters, nameId, std::make_unique<CalculatedValue>(L"1+1", 2), false},
    };
    for (Case& c : cases)
        EXPECT_EQ(c.target->TrySetValue(c.id, *c.value), c.accepted) << c.id.ToString();
    EXPECT_EQ(parameters.GetValue(countId)->AsInt()->GetValue(), 7);
    const DoubleValue* length = inner.GetValue(lengthId)->AsDouble();
    EXPECT_DOUBLE_EQ(length->GetValue(), 20); // 0.02 m kept in the parameter's millimetres
    EXPECT_EQ(length->GetUnit()->GetCode(), ZKUnits::Millimeter);
    EXPECT_TRUE(inner.TrySetValue(lengthId, DoubleValue(4.0)));
    EXPECT_DOUBLE_EQ(inner.GetValue(lengthId)->AsDouble()->GetValue(), 4);
}

TEST(Values, ViewsEqualityAndCopies)
{
    const DoubleValue metre(1.0, ZKUnits::Meter);
    const DoubleValue millimetres(1000.0, ZKUnits::Millimeter);
    const DoubleValue kilogram(1.0, ZKUnits::Kilogram);
    EXPECT_TRUE(metre.IsEqualTo(millimetres));
    EXPECT_FALSE(metre.IsEqualTo(kilogram));
    EXPECT_FALSE(metre.IsValueNotEqual(millimetres));
    EXPECT_TRUE(metre.IsValueNotEqual(DoubleValue(1000.001, ZKUnits::Millimeter)));
    EXPECT_FALSE(IntValue(1).IsEqualTo(BoolValue(true)));
    EXPECT_TRUE(StringValue(L"a").IsEqualTo(StringValue(L"a")));

    const CalculatedValue formula(L"D/2", 5);
    EXPECT_EQ(formula.GetType(), BaseValue::Calculated);
    EXPECT_EQ(formula.AsDouble(), nullptr);
    EXPECT_EQ(formula.AsString(), nullptr);

    Parameters original = BuildParameters(declarations, groups);
    Parameters copy = original;
    copy.GetValue(countId)->AsInt()->SetValue(99);
    EXPECT_EQ(original.GetValue(countId)->AsInt()->GetValue(), 3);
    EXPECT_FALSE(copy.GetValue(groupId)->IsEqualTo(*std::make_unique<AggregateValue>()));
    EXPECT_TRUE(copy.GetValue(groupId)->IsEqualTo(*original.GetValue(groupId)));
    EXPECT_TRUE(DoubleValue::FromRealParameter(metre.ToRealParameter()).IsEqualTo(metre));
}

} // namespace
