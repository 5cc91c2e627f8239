#pragma once
// Identifiers of the units of measure: the GUIDs of the PDM unit reference's objects, which
// the host catalogue uses as its keys (data/pdm/units.xml holds the same values).

#include "platform/zktypes/UniqueIdentifier.h"

namespace zktypes::UnitIds {

inline constexpr UniqueIdentifier Millimeter = HostId("943b0af6-a143-43cd-9141-aba99d861405");
inline constexpr UniqueIdentifier Centimeter = HostId("04fcc43e-3cc5-4a4b-a1f3-e289857455cf");
inline constexpr UniqueIdentifier Meter = HostId("acf9467a-86ac-4aac-bfcf-f9bbf311a761");
inline constexpr UniqueIdentifier Inch = HostId("f826facc-b997-4c32-bb5d-29c6d21162f0");
inline constexpr UniqueIdentifier Degree = HostId("bda5d964-39a3-49b6-812c-4bf388116ca8");
inline constexpr UniqueIdentifier Radian = HostId("928092cb-1742-49dd-adf8-353d3e55784c");
inline constexpr UniqueIdentifier Gram = HostId("ffcacf90-e589-4dc4-bd69-c069d96603b6");
inline constexpr UniqueIdentifier Kilogram = HostId("565f065b-665d-4404-8957-34bbae787496");
inline constexpr UniqueIdentifier MillimeterPerMinute = HostId("305f9040-cec0-4d7f-ba6e-ee6faf3e19ad");
inline constexpr UniqueIdentifier RevolutionPerMinute = HostId("3bb1dc1c-43f9-466d-a672-84fe50b27572");

} // namespace zktypes::UnitIds
