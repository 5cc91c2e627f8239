#include "platform/arbor/ModelException.h"
#include "platform/arbor/ObjectValue.h"

#include <gtest/gtest.h>

#include <limits>

namespace Vireo::Arbor::Model {
namespace {

using Type = ParameterValueType;

TEST(ObjectValue, ConvertsToParameterTypesOrRefuses)
{
    const struct {
        ObjectValue in;
        Type type;
        bool fits;
        ObjectValue out;
    } cases[] = {
        {ObjectValue(L" 42 "), Type::Integer, true, ObjectValue(42)},
        {ObjectValue(L"+7"), Type::Integer, true, ObjectValue(7)},
        {ObjectValue(L"4.5"), Type::Integer, false, {}},
        {ObjectValue(L"99999999999"), Type::Integer, false, {}},
        {ObjectValue(2.5), Type::Integer, true, ObjectValue(2)}, // to even
        {ObjectValue(-3.5), Type::Integer, true, ObjectValue(-4)},
        {ObjectValue(1e12), Type::Integer, false, {}},
        {ObjectValue(true), Type::Integer, true, ObjectValue(1)},
        {ObjectValue(L"0.025"), Type::Double, true, ObjectValue(0.025)},
        {ObjectValue(L"1e-3"), Type::Double, true, ObjectValue(0.001)},
        {ObjectValue(L"1,5"), Type::Double, false, {}},
        {ObjectValue(3), Type::Double, true, ObjectValue(3.0)},
        {ObjectValue(L"TRUE"), Type::Boolean, true, ObjectValue(true)},
        {ObjectValue(L"false"), Type::Boolean, true, ObjectValue(false)},
        {ObjectValue(L"1"), Type::Boolean, false, {}},
        {ObjectValue(0), Type::Boolean, true, ObjectValue(false)},
        {ObjectValue(0.25), Type::Text, true, ObjectValue(L"0.25")},
        {ObjectValue(false), Type::Text, true, ObjectValue(L"False")},
        {ObjectValue(-12), Type::Text, true, ObjectValue(L"-12")},
        {ObjectValue(), Type::Integer, true, ObjectValue()},
    };
    for (const auto& c : cases) {
        const auto shown = c.in.ToString();
        auto converted = c.in.ConvertTo(c.type);
        ASSERT_EQ(converted.has_value(), c.fits) << std::string(shown.begin(), shown.end());
        if (converted) {
            EXPECT_EQ(converted->Value(), c.out.Value()) << std::string(shown.begin(), shown.end());
        }
    }
}

TEST(ObjectValue, TextFormsReadBackExactly)
{
    for (double number : {0.1, 1.0 / 3, 25.0, -0.025, 1e300, std::numeric_limits<double>::denorm_min()})
        EXPECT_EQ(ObjectValue(ObjectValue(number).ToString()).ToDouble(), number);
    EXPECT_EQ(ObjectValue(L"text").ToString(), L"text");
    EXPECT_TRUE(ObjectValue::Null->IsNull());
    EXPECT_NE(ObjectValue::Null, std::make_shared<const ObjectValue>()); // compared by identity
    try {
        ObjectValue(L"abc").ToDouble();
        ADD_FAILURE();
    } catch (const ModelException& e) {
        EXPECT_STREQ(e.what(), "\"abc\" is not a number");
    }
}

} // namespace
} // namespace Vireo::Arbor::Model
