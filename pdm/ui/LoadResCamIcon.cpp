#include "pdm/ui/LoadResCamIcon.h"

#include <string>

namespace Vireo::Cam::Pdm::UI {

zkpf::Image LoadResCamIcon(std::wstring_view fileName, std::vector<int> sizes)
{
    const std::wstring name = L"VireoCAM\\" + std::wstring(fileName);
    return zkpf::Image::FromFilePath(Images::ResourceManager::Instance().GetImagePath(name), std::move(sizes));
}

} // namespace Vireo::Cam::Pdm::UI
