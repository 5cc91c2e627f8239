#include "platform/arbor/SearchFilter.h"

#include "platform/arbor/ReferenceInfo.h"

#include <algorithm>

namespace Vireo::Arbor::Model::Search {
namespace {

bool sameItem(const TermItem& a, const TermItem& b);

bool sameGroup(const TermGroup& a, const TermGroup& b)
{
    const auto& x = a.Items();
    const auto& y = b.Items();
    return a.LogicalOperator == b.LogicalOperator && a.ItemType == b.ItemType && x.size() == y.size() &&
           std::equal(x.begin(), x.end(), y.begin(), [](const auto& p, const auto& q) { return sameItem(*p, *q); });
}

bool sameItem(const TermItem& a, const TermItem& b)
{
    const auto* groupA = dynamic_cast<const TermGroup*>(&a);
    const auto* groupB = dynamic_cast<const TermGroup*>(&b);
    if (groupA || groupB)
        return groupA && groupB && sameGroup(*groupA, *groupB);
    const auto& termA = dynamic_cast<const ReferenceObjectTerm&>(a);
    const auto& termB = dynamic_cast<const ReferenceObjectTerm&>(b);
    return termA.LogicalOperator == termB.LogicalOperator && termA.Path == termB.Path &&
           termA.Operator == termB.Operator && termA.Value == termB.Value;
}

} // namespace

void TermPath::AddGroup(std::shared_ptr<ParameterGroup> group, bool backward)
{
    steps_.push_back({std::move(group), nullptr, backward});
}

void TermPath::AddParameter(std::shared_ptr<ParameterInfo> parameter, bool ignoreCase)
{
    steps_.push_back({nullptr, std::move(parameter), ignoreCase});
}

std::shared_ptr<TermGroup> TermGroup::AddGroup(Search::LogicalOperator op, TermItemType type)
{
    auto group = std::make_shared<TermGroup>();
    group->LogicalOperator = op;
    group->ItemType = type;
    items_.push_back(group);
    return group;
}

std::shared_ptr<ReferenceObjectTerm> TermGroup::AddTerm()
{
    auto term = std::make_shared<ReferenceObjectTerm>();
    items_.push_back(term);
    return term;
}

bool TermGroup::Remove(const std::shared_ptr<TermItem>& item)
{
    auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end())
        return false;
    items_.erase(found);
    return true;
}

Filter::Filter(std::shared_ptr<Model::ReferenceInfo> reference)
    : reference_(std::move(reference)), terms_(std::make_shared<TermGroup>())
{
}

bool operator==(const Filter& a, const Filter& b)
{
    const bool sameReference = a.reference_ && b.reference_ ? a.reference_->Id() == b.reference_->Id()
                                                              : a.reference_ == b.reference_;
    return sameReference && sameGroup(*a.terms_, *b.terms_);
}

} // namespace Vireo::Arbor::Model::Search
