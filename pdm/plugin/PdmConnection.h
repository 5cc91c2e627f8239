#pragma once
// The steps the command handlers share before they build anything: making sure the PDM is
// connected, and letting the user choose a reference and an object in it through the host's
// PDM dialogs. Each answers "stop" (false, nothing) silently.

#include "platform/arbor/SystemGuid.h"

#include <optional>

class CZkw32Doc;

namespace Vireo::Cam::Pdm {

// False when there is no document, or no connection even after one attempt to connect.
bool EnsurePdmConnection(CZkw32Doc* doc);

struct ChosenPdmObject {
    System::Guid reference;
    System::Guid object;
};

// The reference (chosen without an owner window) and the object in it (chosen in a dialog
// owned by the document's frame window); nothing when either dialog is cancelled.
std::optional<ChosenPdmObject> ChoosePdmObject(CZkw32Doc* doc);

} // namespace Vireo::Cam::Pdm
