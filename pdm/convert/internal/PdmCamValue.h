#pragma once
// A PDM parameter read as the CAM value it would become: of the kind of the CAM object's
// current value, and for numbers in the CAM value's unit when the two units measure the
// same quantity.

#include "pdm/cam/CamObjectManager.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/cam/Values.h"

namespace Vireo::Cam::Pdm::internal {

// The new CAM value, owned by the caller; null for kinds other than bool, int, double and
// string. Conversions of the PDM value may throw the model's exception.
CamValuePtr MakeCamValueFromPdm(const Vireo::Arbor::Model::Parameter& parameter, const Cam::BaseValue& camValue);

} // namespace Vireo::Cam::Pdm::internal
