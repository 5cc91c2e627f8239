#pragma once
// Rule paths and classes looked up in the PDM schema the way the builders walk them: from the
// dataset's reference, a group of the same object stays on it, a link goes over to the linked
// reference, a table goes into its rows.

#include "platform/arbor/ModelFwd.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace Vireo::Cam::Pdm::internal {

using GroupPtr = std::shared_ptr<Arbor::Model::ParameterGroup>;

// The group whose objects a path of groups reaches (a reference's group or a table), or why
// the path cannot be walked.
std::variant<GroupPtr, std::wstring> WalkGroups(GroupPtr from, const std::vector<std::wstring>& groups);

// The parameter of an object of the reached group: its own parameters, and for a reference
// those of its plain groups. Null when it has none with that GUID text.
std::shared_ptr<Arbor::Model::ParameterInfo> ObjectParameter(const GroupPtr& at, const std::wstring& guidText);

// A readable name: "Name" (GUID) when the schema knows it, the text alone otherwise.
std::wstring Named(const std::wstring& name, const std::wstring& guidText);

} // namespace Vireo::Cam::Pdm::internal
