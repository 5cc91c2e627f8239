#pragma once
// Export the current CAM object as a new PDM object under a parent the user chooses.

#include "pdm/plugin/PdmCommand.h"

namespace Vireo::Cam::Pdm {

class AddToPdmCommand : public PdmCommand<AddToPdmCommand> {
public:
    static constexpr unsigned LocalId = 27;
    static constexpr std::wstring_view CaptionKey = L"VireoCAM:PDM.AddToPdmCommand.Caption";
    static constexpr std::wstring_view DescriptionKey = L"VireoCAM:PDM.AddToPdmCommand.Description";

    static void Handler(CZkw32Doc* doc, int id);
};

} // namespace Vireo::Cam::Pdm
