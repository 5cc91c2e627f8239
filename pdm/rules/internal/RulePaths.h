#pragma once
// The text forms of rule cells: a PDM class reference ("...^{GUID}") and a parameter path
// ("group.group->parameter"), whose items may be GUIDs in braces.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vireo::Cam::Pdm::internal {

// The last `separator`-separated item of `text`, without braces when it is a braced GUID;
// empty for the nil GUID.
std::wstring getType(std::wstring_view text, std::wstring_view separator);

// Splits a path at "." and "->" into (groups, parameter). The head of a path of three or
// more items is dropped: paths start with the object's own parameter group.
std::pair<std::vector<std::wstring>, std::wstring> getGroupsAndParam(std::wstring_view text);

} // namespace Vireo::Cam::Pdm::internal
