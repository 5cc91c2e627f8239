#pragma once
// The text the PDM client hands over when PDM objects are dragged: an XML document whose
// root holds "Objects", each child of which names one object and its reference by GUID.

#include "platform/win/WinTypes.h"

#include <string_view>
#include <utility>
#include <vector>

namespace Vireo::Cam::Pdm {

// (reference GUID, object GUID) per dragged object, in document order.
using DraggedPdmObjects = std::vector<std::pair<GUID, GUID>>;

// Counts a child of "Objects" only when it has a "ParentHierarchyLink" child and carries
// "Object" and "Reference" attributes holding GUID texts; empty for text that is no XML.
DraggedPdmObjects GetObjectUuid(std::wstring_view text);

} // namespace Vireo::Cam::Pdm
