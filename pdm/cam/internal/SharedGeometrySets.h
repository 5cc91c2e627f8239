#pragma once
// The shared geometry set that a machining project, group or machining takes its stock,
// part and fixture from.

class CZkw32Doc;
class CZKObject;

namespace Vireo::Cam {
class GeometrySet;
class SharedGeometrySet;
} // namespace Vireo::Cam

namespace Vireo::Cam::Pdm::internal {

// The parent itself when it is a shared geometry set; else the owner's first source set
// (geometry kinds 0, then 1); else, when `create` is set, a new shared set of the machining
// geometry-set type made the owner's source set of kind 0. Null when there is none.
Cam::SharedGeometrySet* FindSharedGeometrySet(CZkw32Doc* doc, CZKObject* parent, bool create);

// The geometry set whose slots hold an object's stock, fixture and part, or null for an
// object that holds none.
Cam::GeometrySet* FindGeometrySet(CZKObject* object);

} // namespace Vireo::Cam::Pdm::internal
