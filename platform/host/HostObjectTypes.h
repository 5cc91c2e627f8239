#pragma once
// Host type codes of document objects, as the type query of CZKObject reports them.

namespace ZKObjectTypes {

enum : int {
    Material = 54,       // a document material of the 3D container
    CamTool = 287,
    SolidBody = 288,     // a body of the 3D model: not a CAM object
    CamMachining = 289,
    CamMachiningGroup = 291,
    CamMachiningProject = 292,
    CamStock = 293,
    CamPart = 307,
    CamFixture = 308,
    CamSharedGeometrySet = 309,
    Workplane = 310,     // a construction plane of the 3D model: not a CAM object
    CamMachineSetup = 311,
};

} // namespace ZKObjectTypes
