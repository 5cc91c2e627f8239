#pragma once
// Refresh the current CAM object from its linked PDM object.

#include "pdm/plugin/PdmCommand.h"

namespace Vireo::Cam::Pdm {

class UpdateFromPdmCommand : public PdmCommand<UpdateFromPdmCommand> {
public:
    static constexpr unsigned LocalId = 28;
    static constexpr std::wstring_view CaptionKey = L"VireoCAM:PDM.UpdateFromPdmCommand.Caption";
    static constexpr std::wstring_view DescriptionKey = L"VireoCAM:PDM.UpdateFromPdmCommand.Description";

    static void Handler(CZkw32Doc* doc, int id);
};

} // namespace Vireo::Cam::Pdm
