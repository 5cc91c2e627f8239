#pragma once
// CAM values as users type and read them: "12", "12mm", "1500 mm/min", "true", "Steel C45".

#include "platform/cam/Values.h"

#include <memory>
#include <string>

namespace Campdm {

// Reads `text` as a value of the kind `current` holds: a number with or without a unit of the
// same quantity (without one, the current unit), a whole number, true or false, or a text.
// UsageError saying what does not fit.
std::unique_ptr<Vireo::Cam::BaseValue> ParseCamValue(const std::string& text, const Vireo::Cam::BaseValue& current);

// The value as ParseCamValue reads it back.
std::string FormatCamValue(const Vireo::Cam::BaseValue& value);

} // namespace Campdm
