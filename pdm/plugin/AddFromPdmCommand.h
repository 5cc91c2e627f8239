#pragma once
// Create CAM objects from an object the user chooses in the PDM.

#include "pdm/plugin/PdmCommand.h"

namespace Vireo::Cam::Pdm {

class AddFromPdmCommand : public PdmCommand<AddFromPdmCommand> {
public:
    static constexpr unsigned LocalId = 26;
    static constexpr std::wstring_view CaptionKey = L"VireoCAM:PDM.AddFromPdmCommand.Caption";
    static constexpr std::wstring_view DescriptionKey = L"VireoCAM:PDM.AddFromPdmCommand.Description";

    static void Handler(CZkw32Doc* doc, int id);
};

} // namespace Vireo::Cam::Pdm
