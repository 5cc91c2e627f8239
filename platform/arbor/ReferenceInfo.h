#pragma once
// The description of a reference (a catalogue of objects): its GUID, id and name, its
// own parameter group, its classes and the kind of hierarchy its objects form. The
// reference's GUID and id are those of its own parameter group.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

#include <string>

namespace Vireo::Arbor::Model {

class Schema;

// Complex: an object may have several parents.
enum class ReferenceHierarchyType { None = 0, Tree = 1, Complex = 2 };

class ReferenceInfo {
public:
    const System::Guid& Guid() const;
    int Id() const;
    const std::wstring& Name() const;
    ReferenceHierarchyType HierarchyType() const { return hierarchy_; }
    bool HasHierarchy() const { return hierarchy_ != ReferenceHierarchyType::None; }
    std::shared_ptr<ParameterGroup> Description() const;
    std::shared_ptr<ClassTree> Classes() const;
    // A reference to work with objects; null when the connection is closed.
    std::shared_ptr<Reference> CreateReference() const;

private:
    friend class Schema;
    Schema* schema_ = nullptr;
    ParameterGroup* group_ = nullptr;
    ReferenceHierarchyType hierarchy_ = ReferenceHierarchyType::None;
};

} // namespace Vireo::Arbor::Model
