#pragma once
// A small but complete CAM document for the document tests: a project with a group, two
// machinings with strategies and tools, tool parts with items, a shared geometry set with
// stock, part and fixture, materials and links.

#include "platform/cam/Model.h"

namespace Vireo::Cam::Testing {

struct Workshop {
    MachiningProject* project;
    MachiningGroup* group;
    Machining* roughing;
    Machining* drilling;
    Tool* endMill;
    Tool* drill;
    SharedGeometrySet* geometry;
    Stock* stock;
    Part* part;
    Fixture* fixture;
};

Workshop BuildWorkshop(CZkw32Doc& doc);

} // namespace Vireo::Cam::Testing
