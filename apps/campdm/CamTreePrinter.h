#pragma once
// Prints a CAM object and its children: type, name, link and the values the rules map.

#include "pdm/cam/CamObject.h"

#include <ostream>

namespace Campdm {

void PrintCamTree(std::ostream& out, const Vireo::Cam::Pdm::CamObject& root);

} // namespace Campdm
