#include "pdm/cam/internal/SharedGeometrySets.h"

#include "platform/cam/Model.h"
#include "platform/cam/ParameterIds.h"

namespace Vireo::Cam::Pdm::internal {

namespace {

Cam::SharedGeometrySet* createSourceSet(CZkw32Doc* doc, Cam::IGeometrySetOwner& owner)
{
    const Cam::GeometrySetType* type =
        Cam::GeometrySetTypeManager::Instance().FindType(HostIds::GeometrySetTypes::Machining);
    if (!type)
        return nullptr;
    Cam::SharedGeometrySet* set = Cam::Model(doc).GetSharedGeometrySets().Create();
    if (!set)
        return nullptr;
    set->GetGeometrySet().SetType(type);
    owner.SetSourceGeometrySet(Cam::GeometryKinds::Part, set);
    return set;
}

} // namespace

Cam::SharedGeometrySet* FindSharedGeometrySet(CZkw32Doc* doc, CZKObject* parent, bool create)
{
    if (auto* shared = dynamic_cast<Cam::SharedGeometrySet*>(parent))
        return shared;
    auto* owner = dynamic_cast<Cam::IGeometrySetOwner*>(parent);
    if (!owner)
        return nullptr;
    for (int kind : {Cam::GeometryKinds::Part, Cam::GeometryKinds::Stock})
        if (Cam::SharedGeometrySet* source = owner->GetSourceGeometrySet(kind))
            return source;
    return create ? createSourceSet(doc, *owner) : nullptr;
}

Cam::GeometrySet* FindGeometrySet(CZKObject* object)
{
    // Projects, groups and machinings answer with the set in use (their shared source set
    // first), shared sets with their own; nothing else holds slots.
    auto* owner = dynamic_cast<Cam::GeometrySetOwner*>(object);
    return owner ? &owner->GetGeometrySet() : nullptr;
}

} // namespace Vireo::Cam::Pdm::internal
