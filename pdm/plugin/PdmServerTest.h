#pragma once
// Whether the PDM the host is connected to is the one the plug-in offers its context-menu
// entries for.

namespace Vireo::Cam::Pdm {

// True when the PDM proxy reports a connection and the PDM model's connection has the
// configured server name (exact, case-sensitive). An error on the way counts as false.
bool IsConfiguredPdmServer();

} // namespace Vireo::Cam::Pdm
