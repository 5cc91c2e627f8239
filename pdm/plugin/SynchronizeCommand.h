#pragma once
// Compare the document's CAM objects with their PDM objects and manage their links.

#include "pdm/plugin/PdmCommand.h"

namespace Vireo::Cam::Pdm {

class SynchronizeCommand : public PdmCommand<SynchronizeCommand> {
public:
    static constexpr unsigned LocalId = 34;
    static constexpr std::wstring_view CaptionKey = L"VireoCAM:PDM.SynchronizeCommand.Caption";
    static constexpr std::wstring_view DescriptionKey = L"VireoCAM:PDM.SynchronizeCommand.Description";

    static constexpr const wchar_t* IconName = L"PdmSynchronizeCmd.svg";

    static std::wstring GetIconName() { return IconName; }
    static void Handler(CZkw32Doc* doc, int id);
};

} // namespace Vireo::Cam::Pdm
