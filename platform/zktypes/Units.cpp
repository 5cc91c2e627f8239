#include "platform/zktypes/Units.h"

#include "platform/support/Utf8.h"
#include "platform/zktypes/UnitIds.h"

#include <numbers>
#include <stdexcept>

namespace zktypes {

UniqueID::UniqueID(std::wstring_view text)
{
    if (!TryParseIdentifier(text, value_))
        throw std::invalid_argument("not a unit identifier: \"" + Vireo::Support::WideToUtf8(text) + "\"");
}

Unit::Unit(ZKUnitsEnum code, const UniqueIdentifier& id, std::wstring shortName, std::wstring name,
           const UnitType& type, double factor)
    : code_(code), id_(id), shortName_(std::move(shortName)), name_(std::move(name)), type_(&type),
      factor_(factor)
{
}

double Unit::ConvertTo(ZKUnitsEnum target, double value) const
{
    const Unit* to = Units::Instance().GetUnitByCode(target);
    return to ? ConvertTo(*to, value) : value;
}

double Unit::ConvertTo(const Unit& target, double value) const
{
    if (target.type_ != type_ || &target == this)
        return value;
    return value * factor_ / target.factor_;
}

double Unit::Convert(const Unit* from, const Unit* to, double value)
{
    return from && to ? from->ConvertTo(*to, value) : value;
}

const Units& Units::Instance()
{
    static const Units units;
    return units;
}

Units::Units()
{
    // The order is the unit index stored in documents: append only.
    units_.emplace_back(ZKUnits::Millimeter, UnitIds::Millimeter, L"mm", L"millimetre", length_, 1.0);
    units_.emplace_back(ZKUnits::Centimeter, UnitIds::Centimeter, L"cm", L"centimetre", length_, 10.0);
    units_.emplace_back(ZKUnits::Meter, UnitIds::Meter, L"m", L"metre", length_, 1000.0);
    units_.emplace_back(ZKUnits::Inch, UnitIds::Inch, L"in", L"inch", length_, 25.4);
    units_.emplace_back(ZKUnits::Degree, UnitIds::Degree, L"deg", L"degree", angle_, 1.0);
    units_.emplace_back(ZKUnits::Radian, UnitIds::Radian, L"rad", L"radian", angle_, 180.0 / std::numbers::pi);
    units_.emplace_back(ZKUnits::Gram, UnitIds::Gram, L"g", L"gram", mass_, 0.001);
    units_.emplace_back(ZKUnits::Kilogram, UnitIds::Kilogram, L"kg", L"kilogram", mass_, 1.0);
    units_.emplace_back(ZKUnits::MillimeterPerMinute, UnitIds::MillimeterPerMinute, L"mm/min",
                        L"millimetre per minute", feed_, 1.0);
    units_.emplace_back(ZKUnits::RevolutionPerMinute, UnitIds::RevolutionPerMinute, L"rpm",
                        L"revolution per minute", rotation_, 1.0);
}

const Unit* Units::GetUnit(int index) const noexcept
{
    return index >= 0 && index < GetCount() ? &units_[static_cast<std::size_t>(index)] : nullptr;
}

int Units::GetIndexFor(const Unit* unit) const noexcept
{
    for (std::size_t i = 0; i < units_.size(); ++i)
        if (&units_[i] == unit)
            return static_cast<int>(i);
    return -1;
}

int Units::GetIndexFor(ZKUnitsEnum code) const noexcept
{
    return GetIndexFor(GetUnitByCode(code));
}

const Unit* Units::GetUnitByCode(ZKUnitsEnum code) const noexcept
{
    for (const Unit& unit : units_)
        if (unit.GetCode() == code)
            return &unit;
    return nullptr;
}

const Unit* Units::GetStaticUnit(const UniqueID& id) const noexcept
{
    for (const Unit& unit : units_)
        if (unit.GetId() == id)
            return &unit;
    return nullptr;
}

const Unit* Units::FindByShortName(std::wstring_view shortName) const noexcept
{
    for (const Unit& unit : units_)
        if (unit.GetShortName() == shortName)
            return &unit;
    return nullptr;
}

} // namespace zktypes
