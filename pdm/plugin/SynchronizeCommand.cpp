#include "pdm/plugin/SynchronizeCommand.h"

#include "pdm/plugin/PdmConnection.h"
#include "pdm/ui/SynchronizeDialog.h"

namespace Vireo::Cam::Pdm {

void SynchronizeCommand::Handler(CZkw32Doc* doc, int /*id*/)
{
    if (!EnsurePdmConnection(doc))
        return;
    SynchronizeDialog dialog(doc);
    dialog.DoModal();
}

} // namespace Vireo::Cam::Pdm
