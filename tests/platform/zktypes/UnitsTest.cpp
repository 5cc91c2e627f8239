// Identifiers and units of measure.

#include "platform/zktypes/RealParameter.h"
#include "platform/zktypes/UnitIds.h"
#include "platform/zktypes/Units.h"

#include <gtest/gtest.h>

#include <numbers>
#include <stdexcept>
#include <unordered_set>

namespace {

using namespace zktypes;

TEST(UniqueIdentifier, ParsesPrintsAndComparesByBothHalves)
{
    constexpr UniqueIdentifier id = HostId("ae471e72-676d-4739-9418-bc4000adb986");
    UniqueIdentifier parsed;
    ASSERT_TRUE(TryParseIdentifier(L"{AE471E72-676D-4739-9418-BC4000ADB986}", parsed));
    EXPECT_EQ(parsed, id);
    EXPECT_EQ(id.ToString(), L"ae471e72-676d-4739-9418-bc4000adb986");
    EXPECT_EQ(id.Data1, 0xae471e72u);
    EXPECT_EQ(id.Data4[7], 0x86);

    UniqueIdentifier lowDiffers = id;
    lowDiffers.Data4[7] ^= 1;
    UniqueIdentifier highDiffers = id;
    highDiffers.Data3 ^= 1;
    EXPECT_NE(lowDiffers, id);
    EXPECT_NE(highDiffers, id);
    UniqueIdentifier firstDiffers = id;
    firstDiffers.Data1 ^= 0x80000000u;
    UniqueIdentifier middleDiffers = id;
    middleDiffers.Data2 ^= 1;
    UniqueIdentifier tailStartDiffers = id;
    tailStartDiffers.Data4[0] ^= 0x80;
    for (const UniqueIdentifier& other : {firstDiffers, middleDiffers, tailStartDiffers})
        EXPECT_NE(other, id);
    UniqueIdentifier onlyTail;
    onlyTail.Data4[3] = 1;
    EXPECT_FALSE(onlyTail.IsEmpty());
    EXPECT_TRUE(UniqueIdentifier::Empty().IsEmpty());
    EXPECT_TRUE(UniqueIdentifier{}.IsEmpty());
    EXPECT_FALSE(id.IsEmpty());
    EXPECT_EQ(std::unordered_set<UniqueIdentifier>({id, parsed, lowDiffers}).size(), 2u);

    for (const wchar_t* bad : {L"", L"ae471e72-676d-4739-9418-bc4000adb98", L"ae471e72x676d-4739-9418-bc4000adb986",
                               L"ge471e72-676d-4739-9418-bc4000adb986", L"[ae471e72-676d-4739-9418-bc4000adb986]"})
        EXPECT_FALSE(TryParseIdentifier(bad, parsed)) << bad;
}

TEST(Units, ConvertWithinAQuantityOnly)
{
    const Units& units = Units::Instance();
    const Unit& mm = *units.GetUnitByCode(ZKUnits::Millimeter);
    const Unit& m = *units.GetUnitByCode(ZKUnits::Meter);
    const Unit& kg = *units.GetUnitByCode(ZKUnits::Kilogram);
    struct Case {
        ZKUnitsEnum from, to;
        double value, expected;
    };
    const Case cases[] = {
        {ZKUnits::Meter, ZKUnits::Millimeter, 1, 1000},    {ZKUnits::Millimeter, ZKUnits::Meter, 1000, 1},
        {ZKUnits::Inch, ZKUnits::Millimeter, 2, 50.8},     {ZKUnits::Centimeter, ZKUnits::Inch, 2.54, 1},
        {ZKUnits::Radian, ZKUnits::Degree, std::numbers::pi, 180}, {ZKUnits::Gram, ZKUnits::Kilogram, 1500, 1.5},
        {ZKUnits::Millimeter, ZKUnits::Kilogram, 7, 7},    {ZKUnits::Millimeter, ZKUnits::None, 7, 7},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(units.GetUnitByCode(c.from)->ConvertTo(c.to, c.value), c.expected, 1e-9)
            << c.from << " -> " << c.to;
    EXPECT_DOUBLE_EQ(Unit::Convert(&m, &mm, 0.25), 250);
    EXPECT_DOUBLE_EQ(Unit::Convert(&kg, &mm, 3), 3);
    EXPECT_DOUBLE_EQ(Unit::Convert(nullptr, &mm, 3), 3);
    EXPECT_EQ(mm.GetUnitType(), m.GetUnitType());
    EXPECT_NE(mm.GetUnitType(), kg.GetUnitType());
    EXPECT_EQ(mm.GetShortName(), L"mm");
    EXPECT_EQ(ZKUnits::Millimeter, 2);
    EXPECT_EQ(ZKUnits::Kilogram, 20);
}

TEST(Units, CatalogueIsKeyedByPdmGuidsAndStableIndexes)
{
    const Units& units = Units::Instance();
    const UniqueIdentifier ids[] = {UnitIds::Millimeter, UnitIds::Centimeter, UnitIds::Meter, UnitIds::Inch,
                                    UnitIds::Degree, UnitIds::Radian, UnitIds::Gram, UnitIds::Kilogram,
                                    UnitIds::MillimeterPerMinute, UnitIds::RevolutionPerMinute};
    ASSERT_EQ(units.GetCount(), 10);
    for (int i = 0; i < units.GetCount(); ++i) {
        const Unit* unit = units.GetUnit(i);
        EXPECT_EQ(unit->GetId().Value(), ids[i]);
        EXPECT_EQ(units.GetIndexFor(unit), i);
        EXPECT_EQ(units.GetStaticUnit(UniqueID(unit->GetId().ToString())), unit);
        EXPECT_EQ(units.FindByShortName(unit->GetShortName()), unit);
    }
    EXPECT_EQ(units.GetUnit(-1), nullptr);
    EXPECT_EQ(units.GetUnit(10), nullptr);
    EXPECT_EQ(units.GetIndexFor(static_cast<const Unit*>(nullptr)), -1);
    EXPECT_EQ(units.GetStaticUnit(UniqueID(L"00000000-0000-0000-0000-000000000001")), nullptr);
    EXPECT_THROW(UniqueID(L"mm"), std::invalid_argument);

    const zkaux::RealParameter half = zkaux::RealParameter::Of(0.5, ZKUnits::Meter);
    EXPECT_EQ(half.GetUnit()->GetCode(), ZKUnits::Meter);
    EXPECT_DOUBLE_EQ(half.ValueIn(ZKUnits::Millimeter), 500);
    EXPECT_DOUBLE_EQ(zkaux::RealParameter(4, -1).ValueIn(ZKUnits::Millimeter), 4);
}

} // namespace
