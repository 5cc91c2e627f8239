#include "pdm/plugin/PdmCommand.h"

#include "platform/win/CmdUI.h"

namespace Vireo::Cam::Pdm {

void DocumentCommand::UpdateUiHandler(CZkw32Doc* doc, CCmdUI* ui)
{
    ui->Enable(doc != nullptr);
}

} // namespace Vireo::Cam::Pdm
