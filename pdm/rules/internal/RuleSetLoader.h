#pragma once
// Turns the rule objects found by a search into a rule set: each object's rows come from
// the rule-list cache (read from the PDM the first time), type rows pass the builder's
// PDM and application filters, and parameter rows are taken for the accepted types.

#include "pdm/rules/IntegrationRules.h"
#include "pdm/rules/RuleFilters.h"
#include "pdm/rules/internal/RuleListValue.h"
#include "platform/arbor/ModelFwd.h"

#include <set>
#include <string>
#include <utility>

namespace Vireo::Cam::Pdm::internal {

class RuleSetLoader {
public:
    RuleSetLoader(const AppFilter& appFilter, const PlmFilter& plmFilter)
        : appFilter_(appFilter), plmFilter_(plmFilter)
    {
    }

    // Adds one rule object. Model errors propagate; rows read before them stay cached.
    void Add(Arbor::Model::ReferenceObject& ruleObject);

    IntegrationRules& Rules() noexcept { return rules_; }

private:
    // (PDM class, application type) of the type rows this object contributed.
    using AcceptedTypes = std::set<std::pair<std::wstring, std::wstring>>;

    bool passesPlmFilter(const RuleListValue& ruleObject, const TypesListValue& row) const;
    bool passesAppFilter(const RuleListValue& ruleObject, const TypesListValue& row) const;
    void addTypeRow(const RuleListValue& ruleObject, const TypesListValue& row, AcceptedTypes& accepted);
    void addParamRow(const RuleListValue& ruleObject, const ParamsListValue& row, const AcceptedTypes& accepted);

    const AppFilter& appFilter_;
    const PlmFilter& plmFilter_;
    IntegrationRules rules_;
};

} // namespace Vireo::Cam::Pdm::internal
