#pragma once
// CAM types and parameters as rule rows name them: a specific type of the catalogue, or a
// generic type standing for its family.

#include <set>
#include <string_view>

namespace Vireo::Cam::Pdm::internal {

bool IsKnownCamType(std::wstring_view type);
bool IsGenericCamType(std::wstring_view type);

// A parameter of the type; for a generic type, its selector or a parameter of a member.
bool IsCamParameter(std::wstring_view type, std::wstring_view parameter);

// Adds the type, or the members of a generic type, to `types`; unknown types add nothing.
void ExpandCamType(std::wstring_view type, std::set<std::wstring_view>& types);

} // namespace Vireo::Cam::Pdm::internal
