#include "platform/arbor/ComplexHierarchyLink.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"

#include <algorithm>

namespace Vireo::Arbor::Model {

bool ComplexHierarchyLink::EndChanges()
{
    if (!parent_ || !child_ || child_->IsNew() || parent_ == child_ || parent_->Guid() == child_->Guid())
        return false;
    const auto& info = *parent_->Reference()->ReferenceInfo();
    if (!info.HasHierarchy() || child_->Reference()->Id() != info.Id())
        return false;
    const auto parents = child_->GetParents();
    const bool already = std::any_of(parents.begin(), parents.end(),
                                     [&](const auto& p) { return p->Id() == parent_->Id(); });
    if (already || (!parents.empty() && info.HierarchyType() != ReferenceHierarchyType::Complex))
        return false;
    parent_->childLinks_.push_back(child_);
    return true;
}

} // namespace Vireo::Arbor::Model
