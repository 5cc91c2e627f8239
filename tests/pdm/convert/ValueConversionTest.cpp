// Value text, value equality with its relative tolerance, and PDM units as host units.

#include "pdm/convert/ValueConversion.h"

#include "platform/cam/Parameters.h"
#include "platform/zktypes/UnitIds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace Vireo::Cam::Pdm {
namespace {

namespace ZKUnits = zktypes::ZKUnits;
using Cam::DoubleValue;

TEST(ValueConversionTest, ValuesAsText)
{
    EXPECT_EQ(FromCamBaseValue(Cam::BoolValue(true)), L"1");
    EXPECT_EQ(FromCamBaseValue(Cam::BoolValue(false)), L"0");
    EXPECT_EQ(FromCamBaseValue(Cam::IntValue(-7)), L"-7");
    EXPECT_EQ(FromCamBaseValue(Cam::IntValue(1234567)), L"1234567");
    EXPECT_EQ(FromCamBaseValue(DoubleValue(0.1)), L"0.100000");
    EXPECT_EQ(FromCamBaseValue(DoubleValue(1e-7)), L"0.000000");
    EXPECT_EQ(FromCamBaseValue(DoubleValue(-2.5, ZKUnits::Millimeter)), L"-2.500000 mm");
    EXPECT_EQ(FromCamBaseValue(DoubleValue(1e20, ZKUnits::MillimeterPerMinute)),
              L"100000000000000000000.000000 mm/min");
    EXPECT_EQ(FromCamBaseValue(DoubleValue(-0.0)), L"-0.000000");
    EXPECT_EQ(FromCamBaseValue(DoubleValue(2.0000005)), L"2.000001");
    EXPECT_EQ(FromCamBaseValue(DoubleValue(std::numeric_limits<double>::max())).size(), 309u + 7u);
    EXPECT_EQ(FromCamBaseValue(Cam::StringValue(L"Steel C45 \u00d8")), L"Steel C45 \u00d8");
    EXPECT_EQ(FromCamBaseValue(Cam::CalculatedValue(L"D/2", 5)), L"");
    EXPECT_EQ(FromCamBaseValue(Cam::AggregateValue()), L"");
}

TEST(ValueConversionTest, MissingValuesAndKinds)
{
    const Cam::IntValue one(1);
    EXPECT_TRUE(IsEqualCamBaseValue(nullptr, nullptr));
    EXPECT_FALSE(IsEqualCamBaseValue(&one, nullptr));
    EXPECT_FALSE(IsEqualCamBaseValue(nullptr, &one));

    const Cam::BoolValue yes(true);
    EXPECT_FALSE(IsEqualCamBaseValue(&yes, &one));
    const Cam::IntValue alsoOne(1);
    EXPECT_TRUE(IsEqualCamBaseValue(&one, &alsoOne));
    const Cam::StringValue a(L"a"), b(L"b");
    EXPECT_FALSE(IsEqualCamBaseValue(&a, &b));
    const DoubleValue oneAsDouble(1);
    EXPECT_FALSE(IsEqualCamBaseValue(&one, &oneAsDouble));
}

TEST(ValueConversionTest, DoublesAreComparedInOneUnitWithARelativeTolerance)
{
    const auto equal = [](const DoubleValue& first, const DoubleValue& second) {
        return IsEqualCamBaseValue(&first, &second);
    };
    EXPECT_TRUE(equal(DoubleValue(1000, ZKUnits::Millimeter), DoubleValue(1, ZKUnits::Meter)));
    EXPECT_TRUE(equal(DoubleValue(1, ZKUnits::Meter), DoubleValue(1000, ZKUnits::Millimeter)));
    EXPECT_FALSE(equal(DoubleValue(1000, ZKUnits::Millimeter), DoubleValue(1000, ZKUnits::Gram)));
    EXPECT_FALSE(equal(DoubleValue(5), DoubleValue(5, ZKUnits::Millimeter)));
    EXPECT_TRUE(equal(DoubleValue(5), DoubleValue(5)));

    EXPECT_TRUE(equal(DoubleValue(1.0), DoubleValue(1.0 + 1e-13)));
    EXPECT_FALSE(equal(DoubleValue(1.0), DoubleValue(1.0 + 1e-11)));
    EXPECT_TRUE(equal(DoubleValue(-3e8), DoubleValue(-3e8 * (1 + 1e-13))));
    EXPECT_TRUE(equal(DoubleValue(0.0), DoubleValue(-0.0)));
    EXPECT_FALSE(equal(DoubleValue(0.0), DoubleValue(1e-300)));
    EXPECT_FALSE(equal(DoubleValue(1e-300), DoubleValue(0.0)));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(equal(DoubleValue(nan), DoubleValue(nan)));
    EXPECT_FALSE(equal(DoubleValue(1), DoubleValue(nan)));
    EXPECT_FALSE(equal(DoubleValue(infinity), DoubleValue(infinity)));
}

TEST(ValueConversionTest, PdmUnitsMapByTheirGuid)
{
    using PdmUnit = Arbor::Model::Unit;
    const auto millimetre = std::make_shared<PdmUnit>(
        System::Guid::Parse(zktypes::UnitIds::Millimeter.ToString()), L"millimetre", L"mm");
    EXPECT_EQ(FromPdmUnit(millimetre), zktypes::Units::Instance().GetUnitByCode(ZKUnits::Millimeter));

    const auto unknown =
        std::make_shared<PdmUnit>(System::Guid::Parse(L"5b1e4c36-0f3e-4d0a-9d0c-8a8f1c2b3d4e"), L"furlong", L"fur");
    EXPECT_EQ(FromPdmUnit(unknown), nullptr);
    EXPECT_EQ(FromPdmUnit(nullptr), nullptr);
}

} // namespace
} // namespace Vireo::Cam::Pdm
