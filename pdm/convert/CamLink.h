#pragma once
// The link a CAM object carries, read the same way by both transfer directions: no link, the
// PDM object it names, or a text that does not decode. A broken link is never taken for
// "no link": that would make a second PDM or CAM object for an object that has one.

#include "pdm/cam/CamObject.h"
#include "pdm/links/ObjectId.h"

#include <string>

namespace Vireo::Cam::Pdm {

struct CamLink {
    enum class State { None, Linked, Broken };
    State state = State::None;
    ObjectId id{};     // when linked: (reference id, object id)
    std::wstring text; // the stored link text
};

CamLink ReadCamLink(const CamObject& object);

// Tells the user that `object` is left out of a transfer because its link does not decode.
void ReportBrokenLink(const CamObject& object, const std::wstring& text);

} // namespace Vireo::Cam::Pdm
