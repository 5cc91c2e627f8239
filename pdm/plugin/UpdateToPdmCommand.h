#pragma once
// Write the current CAM object into its linked PDM object.

#include "pdm/plugin/PdmCommand.h"

namespace Vireo::Cam::Pdm {

class UpdateToPdmCommand : public PdmCommand<UpdateToPdmCommand> {
public:
    static constexpr unsigned LocalId = 29;
    static constexpr std::wstring_view CaptionKey = L"VireoCAM:PDM.UpdateToPdmCommand.Caption";
    static constexpr std::wstring_view DescriptionKey = L"VireoCAM:PDM.UpdateToPdmCommand.Description";

    static void Handler(CZkw32Doc* doc, int id);
};

} // namespace Vireo::Cam::Pdm
