#pragma once
// Single CAM values where they meet PDM values: their display text, their equality, and the
// host unit of a PDM unit.

#include "platform/arbor/Unit.h"
#include "platform/cam/Values.h"
#include "platform/zktypes/Units.h"

#include <memory>
#include <string>

namespace Vireo::Cam::Pdm {

// Booleans as 1 or 0, integers in decimal, doubles as printf "%f" followed by a blank and the
// unit's short name when there is a unit, strings unchanged; other kinds give empty text.
std::wstring FromCamBaseValue(const Cam::BaseValue& value);

// Equal kinds with equal content. Doubles must measure the same quantity and, with the first
// converted into the second's unit, differ by at most 1e-12 of the smaller magnitude. Two
// missing values are equal.
bool IsEqualCamBaseValue(const Cam::BaseValue* first, const Cam::BaseValue* second);

// The host unit with the PDM unit's GUID, or null.
const zktypes::Unit* FromPdmUnit(const std::shared_ptr<Arbor::Model::Unit>& pdmUnit);

} // namespace Vireo::Cam::Pdm
