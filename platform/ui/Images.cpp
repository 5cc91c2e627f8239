#include "platform/ui/Images.h"

#include <algorithm>

namespace zkpf {

const Image::Data Image::none_{};

Image Image::FromResourceIcon(const ResourceIcon& icon, std::vector<int> sizes)
{
    Image image;
    image.data_ = std::make_shared<const Data>(Data{icon, {}, std::move(sizes)});
    return image;
}

Image Image::FromFilePath(std::filesystem::path path, std::vector<int> sizes)
{
    Image image;
    image.data_ = std::make_shared<const Data>(Data{{}, std::move(path), std::move(sizes)});
    return image;
}

} // namespace zkpf

namespace Images {

ResourceManager& ResourceManager::Instance()
{
    static ResourceManager manager;
    return manager;
}

std::filesystem::path ResourceManager::GetImagePath(std::wstring_view fileName) const
{
    std::wstring name(fileName);
    std::replace(name.begin(), name.end(), L'\\', L'/');
    return folder_ / std::filesystem::path(name);
}

} // namespace Images
