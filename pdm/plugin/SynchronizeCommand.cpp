#include "pdm/plugin/SynchronizeCommand.h"

#include "pdm/plugin/PdmConnection.h"

namespace Vireo::Cam::Pdm {

void SynchronizeCommand::Handler(CZkw32Doc* doc, int /*id*/)
{
    if (!EnsurePdmConnection(doc))
        return;
    // PENDING: the synchronisation dialog (pdm/ui) runs here modally once it exists.
}

} // namespace Vireo::Cam::Pdm
