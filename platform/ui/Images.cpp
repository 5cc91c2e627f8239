#include "platform/ui/Images.h"

namespace zkpf {

Image Image::FromResourceIcon(const ResourceIcon& icon, std::vector<int> sizes)
{
    Image image;
    image.icon_ = icon;
    image.sizes_ = std::move(sizes);
    return image;
}

Image Image::FromFilePath(std::filesystem::path path, std::vector<int> sizes)
{
    Image image;
    image.path_ = std::move(path);
    image.sizes_ = std::move(sizes);
    return image;
}

} // namespace zkpf

UIModuleProxy& UIModuleProxy::Instance()
{
    static UIModuleProxy proxy;
    return proxy;
}

zkpf::ResourceIcon UIModuleProxy::GetResourceIcon(unsigned iconId) const noexcept
{
    return zkpf::ResourceIcon{iconId};
}

namespace Images {

ResourceManager& ResourceManager::Instance()
{
    static ResourceManager manager;
    return manager;
}

std::filesystem::path ResourceManager::GetImagePath(std::wstring_view fileName) const
{
    return folder_ / std::filesystem::path(fileName);
}

} // namespace Images
