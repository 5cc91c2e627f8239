#pragma once
// Host icon resources of the CAM object classes.

namespace Vireo::Cam::Icons {

inline constexpr unsigned Tool = 4101;
inline constexpr unsigned Machining = 4102;
inline constexpr unsigned MachiningGroup = 4103;
inline constexpr unsigned MachiningProject = 4104;
inline constexpr unsigned Stock = 4105;
inline constexpr unsigned Part = 4106;
inline constexpr unsigned Fixture = 4107;
inline constexpr unsigned SharedGeometrySet = 4108;
inline constexpr unsigned MachineSetup = 4109;

} // namespace Vireo::Cam::Icons
