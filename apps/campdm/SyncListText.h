#pragma once
// The synchronisation dialog's list as text: folders, objects with their status (in sync, no
// link, differs) and, under each differing object, the parameters that differ with their
// CAM and PDM values.

#include <ostream>

namespace zkpf {
class ModalDialog;
}

namespace Campdm {

// Reads the list through the dialog's own controls. The PDM values are what the dialog's
// "update all from links" shows; the dialog is left with that update in its list, so it must
// be closed without applying.
void PrintSyncList(zkpf::ModalDialog& dialog, std::ostream& out);

} // namespace Campdm
