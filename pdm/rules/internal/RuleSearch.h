#pragma once
// The search of the rule reference for the rule objects a builder's filters ask for.

#include "pdm/rules/RuleFilters.h"
#include "platform/arbor/ModelFwd.h"

#include <memory>

namespace Vireo::Cam::Pdm::internal {

// One AND-joined term group per non-empty filter (names, application codes, dataset
// GUIDs) whose terms are OR-joined equality tests; a group is only made when the rule
// reference has the parameter it tests. An empty filter does not restrict the search.
std::shared_ptr<Arbor::Model::Search::Filter> makeRuleSearchFilter(
    const std::shared_ptr<Arbor::Model::ReferenceInfo>& ruleReference, const NameFilter& nameFilter,
    const AppFilter& appFilter, const PlmFilter& plmFilter);

} // namespace Vireo::Cam::Pdm::internal
