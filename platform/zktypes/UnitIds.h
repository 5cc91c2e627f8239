#pragma once
// Identifiers of the units of measure: the GUIDs of the PDM unit reference's objects, which
// the host catalogue uses as its keys. The PDM seed data uses the same values.

#include "platform/zktypes/UniqueIdentifier.h"

namespace zktypes::UnitIds {

inline constexpr UniqueIdentifier Millimeter = HostId("16957c56-eee0-45c1-a509-409507c26948");
inline constexpr UniqueIdentifier Centimeter = HostId("04fcc43e-3cc5-4a4b-a1f3-e289857455cf");
inline constexpr UniqueIdentifier Meter = HostId("2a7f4595-7dce-4ef1-b8cb-0327af420214");
inline constexpr UniqueIdentifier Inch = HostId("f826facc-b997-4c32-bb5d-29c6d21162f0");
inline constexpr UniqueIdentifier Degree = HostId("806fe01f-f05a-4ce1-8dce-9be64f410ded");
inline constexpr UniqueIdentifier Radian = HostId("7a5e0412-5d19-409f-b2b4-979aeaa9f20f");
inline constexpr UniqueIdentifier Gram = HostId("ffcacf90-e589-4dc4-bd69-c069d96603b6");
inline constexpr UniqueIdentifier Kilogram = HostId("1272f70a-64c2-46ec-b47d-5bd05fd4727f");
inline constexpr UniqueIdentifier MillimeterPerMinute = HostId("305f9040-cec0-4d7f-ba6e-ee6faf3e19ad");
inline constexpr UniqueIdentifier RevolutionPerMinute = HostId("3bb1dc1c-43f9-466d-a672-84fe50b27572");

} // namespace zktypes::UnitIds
