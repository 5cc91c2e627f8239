#pragma once
// Images of the host's user-interface framework, and the two host services that find
// them: icons of document objects (by their icon identifier) and image files of the host's
// image folder (by file name).

#include <filesystem>
#include <string_view>
#include <vector>

namespace zkpf {

// An icon compiled into the host, as the user-interface module hands it out.
struct ResourceIcon {
    unsigned id = 0; // 0: none
};

// A resource icon or an image file, at the sizes it is wanted in; empty when it is neither.
class Image {
public:
    Image() = default;
    static Image FromResourceIcon(const ResourceIcon& icon, std::vector<int> sizes);
    static Image FromFilePath(std::filesystem::path path, std::vector<int> sizes);

    bool IsEmpty() const noexcept { return icon_.id == 0 && path_.empty(); }
    const ResourceIcon& GetResourceIcon() const noexcept { return icon_; }
    const std::filesystem::path& GetFilePath() const noexcept { return path_; }
    const std::vector<int>& GetSizes() const noexcept { return sizes_; }

private:
    ResourceIcon icon_;
    std::filesystem::path path_;
    std::vector<int> sizes_;
};

} // namespace zkpf

// The host's user-interface module.
class UIModuleProxy {
public:
    static UIModuleProxy& Instance();
    // The resource icon of a document object's icon identifier; none for identifier 0.
    zkpf::ResourceIcon GetResourceIcon(unsigned iconId) const noexcept;
};

namespace Images {

// The host's image folder.
class ResourceManager {
public:
    static ResourceManager& Instance();
    void SetImageFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    // The path of an image file of the folder, whether or not the file is there.
    std::filesystem::path GetImagePath(std::wstring_view fileName) const;

private:
    std::filesystem::path folder_ = "images";
};

} // namespace Images
