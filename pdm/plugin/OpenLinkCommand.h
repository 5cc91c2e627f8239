#pragma once
// Shows the linked PDM object of the current CAM object in the PDM client. It needs no PDM
// connection, and is enabled only for an object that carries a PDM object link.

#include "pdm/plugin/PdmCommand.h"

namespace Vireo::Cam::Pdm {

class OpenLinkCommand : public PdmCommand<OpenLinkCommand> {
public:
    static constexpr unsigned LocalId = 30;
    static constexpr std::wstring_view CaptionKey = L"VireoCAM:PDM.OpenLinkCommand.Caption";
    static constexpr std::wstring_view DescriptionKey = L"VireoCAM:PDM.OpenLinkCommand.Description";

    static void UpdateUiHandler(CZkw32Doc* doc, CCmdUI* ui);
    static void Handler(CZkw32Doc* doc, int id);
};

} // namespace Vireo::Cam::Pdm
