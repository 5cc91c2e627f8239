#include "pdm/convert/ValueConversion.h"

#include <algorithm>
#include <cmath>

namespace Vireo::Cam::Pdm {

namespace {

// The relative tolerance, applied by multiplying the difference so that nothing is divided.
constexpr double inverseTolerance = 1e12;

bool areEqualDoubles(const Cam::DoubleValue& first, const Cam::DoubleValue& second)
{
    if (first.GetUnitType() != second.GetUnitType())
        return false;
    const double a = zktypes::Unit::Convert(first.GetUnit(), second.GetUnit(), first.GetValue());
    const double b = second.GetValue();
    return std::abs(a - b) * inverseTolerance <= std::min(std::abs(a), std::abs(b));
}

} // namespace

bool IsEqualCamBaseValue(const Cam::BaseValue* first, const Cam::BaseValue* second)
{
    if (!first || !second)
        return first == second;
    if (first->GetType() != second->GetType())
        return false;
    if (first->GetType() != Cam::BaseValue::Double)
        return first->IsEqualTo(*second);
    return areEqualDoubles(*first->AsDouble(), *second->AsDouble());
}

} // namespace Vireo::Cam::Pdm
