#include "pdm/convert/internal/PdmCamValue.h"

#include "pdm/convert/ValueConversion.h"
#include "platform/arbor/Model.h"

namespace Vireo::Cam::Pdm::internal {

namespace {

template <class Value, class... Args>
CamValuePtr makeOwned(Args&&... args)
{
    return CamValuePtr(new Value(std::forward<Args>(args)...), CamValueDeleter{true});
}

// The number with the unit it ends up in: converted into the CAM unit when both units
// measure the same quantity, left in the PDM unit when they do not, and carrying whichever
// unit exists when only one does.
CamValuePtr makeDouble(double number, const zktypes::Unit* pdmUnit, const zktypes::Unit* camUnit)
{
    if (pdmUnit && camUnit) {
        if (pdmUnit->GetUnitType() == camUnit->GetUnitType())
            return makeOwned<Cam::DoubleValue>(zktypes::Unit::Convert(pdmUnit, camUnit, number), camUnit);
        return makeOwned<Cam::DoubleValue>(number, pdmUnit);
    }
    if (pdmUnit)
        return makeOwned<Cam::DoubleValue>(number);
    return makeOwned<Cam::DoubleValue>(number, camUnit);
}

} // namespace

CamValuePtr MakeCamValueFromPdm(const Vireo::Arbor::Model::Parameter& parameter, const Cam::BaseValue& camValue)
{
    switch (camValue.GetType()) {
    case Cam::BaseValue::String:
        return makeOwned<Cam::StringValue>(parameter.ToString());
    case Cam::BaseValue::Int:
        return makeOwned<Cam::IntValue>(parameter.ToInt32(nullptr));
    case Cam::BaseValue::Bool:
        return makeOwned<Cam::BoolValue>(parameter.ToBoolean(nullptr));
    case Cam::BaseValue::Double: {
        const double number = parameter.ToDouble(nullptr);
        const auto& info = parameter.ParameterInfo();
        const zktypes::Unit* pdmUnit = FromPdmUnit(info ? info->Unit() : nullptr);
        return makeDouble(number, pdmUnit, camValue.AsDouble()->GetUnit());
    }
    default:
        return nullptr;
    }
}

} // namespace Vireo::Cam::Pdm::internal
