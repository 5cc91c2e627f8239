#pragma once
// A request to put an object under one more parent. EndChanges hands it to the parent,
// which writes it with its next ApplyChanges.

#include "platform/arbor/ModelFwd.h"

namespace Vireo::Arbor::Model {

class ComplexHierarchyLink {
public:
    ComplexHierarchyLink(std::shared_ptr<ReferenceObject> parent, std::shared_ptr<ReferenceObject> child)
        : parent_(std::move(parent)), child_(std::move(child))
    {
    }

    const std::shared_ptr<ReferenceObject>& Parent() const { return parent_; }
    const std::shared_ptr<ReferenceObject>& Child() const { return child_; }
    // False when the child cannot take this parent: it is not saved, it is the parent
    // itself, it already has this parent, or it has a parent and the reference allows
    // only one.
    bool EndChanges();

private:
    std::shared_ptr<ReferenceObject> parent_;
    std::shared_ptr<ReferenceObject> child_;
};

} // namespace Vireo::Arbor::Model
