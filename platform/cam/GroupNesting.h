#pragma once
// Machining groups hold their child groups by id, so a document file can make a group its
// own descendant. Nothing in the host would ever end walking such a document.

#include "platform/host/Zkw32Doc.h"

namespace Vireo::Cam {

class MachiningGroup;

// A group that is among its own descendants, or null when the groups nest as a forest.
// Linear in the number of groups and child-group entries.
const MachiningGroup* FindGroupInsideItself(CZkw32Doc& doc);

} // namespace Vireo::Cam
