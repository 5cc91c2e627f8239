#pragma once
// Loading rule objects out of the rule reference of a connection.

#include "pdm/rules/RuleFilters.h"
#include "platform/arbor/ModelFwd.h"

#include <functional>

namespace Vireo::Cam::Pdm::internal {

// Hands every rule object that the filters select (all of them for empty filters) to
// `visit`, in the loader's order. False, with nothing visited, when the rule reference is
// missing or cannot be loaded. Model errors propagate; the loaded objects are released
// however the load ends.
bool forEachRuleObject(const Arbor::Model::ServerConnection& connection, const NameFilter& nameFilter,
                       const AppFilter& appFilter, const PlmFilter& plmFilter,
                       const std::function<void(Arbor::Model::ReferenceObject&)>& visit);

} // namespace Vireo::Cam::Pdm::internal
