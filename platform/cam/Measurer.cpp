#include "platform/cam/Measurer.h"

namespace Vireo::Cam {

std::optional<MeasureResult> ObjectMeasurer::Measure(int quantity, const LocalCoordinateSystem& /*lcs*/) const
{
    if (!size_)
        return std::nullopt;
    const zktypes::Unit* mm = zktypes::Units::Instance().GetUnitByCode(zktypes::ZKUnits::Millimeter);
    switch (quantity) {
    case MeasuredQuantities::Length: return MeasureResult{size_->length, mm};
    case MeasuredQuantities::Width: return MeasureResult{size_->width, mm};
    case MeasuredQuantities::Height: return MeasureResult{size_->height, mm};
    default: return std::nullopt;
    }
}

} // namespace Vireo::Cam
