#pragma once
// Finding the CAM object a user names on the command line: a path of names from the top of
// the document ("Housing 4711/Roughing/Pocket roughing") or an identity text ("7", "5_2_0").

#include "pdm/cam/CamObject.h"

#include <string>
#include <vector>

class CZkw32Doc;

namespace Campdm {

// The CAM objects of the document that no other CAM object holds, in id order.
std::vector<Vireo::Cam::Pdm::CamObject> TopCamObjects(const CZkw32Doc& document);

// The object named by `text`; CommandFailed saying what was not found, or which objects an
// ambiguous name fits (with their identities, which tell them apart).
Vireo::Cam::Pdm::CamObject FindCamObject(const CZkw32Doc& document, const std::string& text);

} // namespace Campdm
