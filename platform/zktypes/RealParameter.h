#pragma once
// A number with the catalogue index of its unit (-1: no unit), as the host stores dimensions.

#include "platform/zktypes/Units.h"

namespace zkaux {

class RealParameter {
public:
    constexpr RealParameter() = default;
    constexpr RealParameter(double value, int unitIndex) : value_(value), unitIndex_(unitIndex) {}
    // A number in the unit of a host unit code.
    static RealParameter Of(double value, zktypes::ZKUnitsEnum code)
    {
        return {value, zktypes::Units::Instance().GetIndexFor(code)};
    }

    constexpr double GetValue() const noexcept { return value_; }
    constexpr void SetValue(double value) noexcept { value_ = value; }
    constexpr int GetUnitIndex() const noexcept { return unitIndex_; }
    constexpr void SetUnitIndex(int index) noexcept { unitIndex_ = index; }
    const zktypes::Unit* GetUnit() const noexcept { return zktypes::Units::Instance().GetUnit(unitIndex_); }
    // The number in the target unit; unconverted when either unit is missing.
    double ValueIn(zktypes::ZKUnitsEnum code) const
    {
        const zktypes::Unit* unit = GetUnit();
        return unit ? unit->ConvertTo(code, value_) : value_;
    }

    friend constexpr bool operator==(const RealParameter&, const RealParameter&) = default;

private:
    double value_ = 0;
    int unitIndex_ = -1;
};

} // namespace zkaux
