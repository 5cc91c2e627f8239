#pragma once
// The tag condition of a rule row: a row without a tag applies to every PDM object, a row
// with one only to objects whose tag parameter holds the row's tag value. Both transfer
// directions ask this one question, so they never disagree on the same row.

#include "platform/arbor/ModelFwd.h"

#include <string_view>

namespace Vireo::Cam::Pdm {

// True for an empty tag; otherwise true when the object has the parameter the tag names and
// its value reads as `tagValue`. A tag that names no GUID, a parameter the object's class
// lacks and a value the PDM cannot read all give false.
bool HoldsRuleTag(const Arbor::Model::ReferenceObject& object, std::wstring_view tag, std::wstring_view tagValue);

// The same question where an object that cannot be read must not count as lacking the tag
// (taking it for absent would make a second table row for it): a tag that names no GUID
// throws std::invalid_argument and the PDM's read failures pass through.
bool HoldsRuleTagOrThrow(const Arbor::Model::ReferenceObject& object, std::wstring_view tag,
                         std::wstring_view tagValue);

} // namespace Vireo::Cam::Pdm
