#include "pdm/rules/internal/RuleSearch.h"

#include "pdm/rules/PdmConsts.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/SearchFilter.h"

#include <string>

namespace Vireo::Cam::Pdm::internal {
namespace {

namespace Model = Arbor::Model;
namespace Search = Arbor::Model::Search;
namespace Rules = PdmConsts::AppIntegrationDts;

// Adds "parameter = value OR parameter = value ..." as one group of the filter's
// top-level terms; the group is made with its first term, so no values add nothing.
template <class Values, class ValueOf>
void addEqualityGroup(Search::Filter& filter, const std::shared_ptr<Model::ParameterInfo>& parameter,
                      const Values& values, ValueOf valueOf)
{
    if (!parameter)
        return;
    std::shared_ptr<Search::TermGroup> group;
    for (const auto& value : values) {
        if (!group)
            group = filter.Terms()->AddGroup(Search::LogicalOperator::And, Search::TermItemType::Terms);
        const auto term = group->AddTerm();
        term->Path.AddParameter(parameter);
        term->Operator = Search::ComparisonOperator::Equal;
        term->Value = Model::ObjectValue(std::wstring(valueOf(value)));
        term->LogicalOperator = Search::LogicalOperator::Or;
    }
}

std::shared_ptr<Model::ParameterInfo> parameterOf(const std::shared_ptr<Model::ParameterGroup>& description,
                                                   const GuidKey& key)
{
    return description ? description->Item(key.ToNetGuid()) : nullptr;
}

} // namespace

std::shared_ptr<Search::Filter> makeRuleSearchFilter(const std::shared_ptr<Model::ReferenceInfo>& ruleReference,
                                                     const NameFilter& nameFilter, const AppFilter& appFilter,
                                                     const PlmFilter& plmFilter)
{
    auto filter = std::make_shared<Search::Filter>(ruleReference);
    const auto description = ruleReference->Description();
    const auto itself = [](const std::wstring& name) -> const std::wstring& { return name; };
    const auto keyOf = [](const auto& entry) -> const std::wstring& { return entry.first; };
    addEqualityGroup(*filter, parameterOf(description, Rules::NamePrm::Key), nameFilter, itself);
    addEqualityGroup(*filter, parameterOf(description, Rules::AppCodePrm::Key), appFilter, keyOf);
    addEqualityGroup(*filter, parameterOf(description, Rules::DatasetGuidPrm::Key), plmFilter, keyOf);
    return filter;
}

} // namespace Vireo::Cam::Pdm::internal
