#pragma once
// Host identifiers written as GUID text in source: "ae471e72-676d-4739-9418-bc4000adb986"_zkuid.

#include "platform/zktypes/UniqueIdentifier.h"

#include <cstddef>

namespace Vireo::Cam::Pdm::internal {

// Reads "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", optionally in braces, hex digits in either
// case. Throws std::invalid_argument on any other text.
UniqueIdentifier operator""_zkuid(const char* text, std::size_t length);

} // namespace Vireo::Cam::Pdm::internal
