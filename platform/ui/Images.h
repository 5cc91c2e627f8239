#pragma once
// Images of the host's user-interface framework, and the host service that finds image
// files of the host's image folder by file name. (Icons of document objects come from the
// user-interface module, UIModuleProxy.h.)

#include <filesystem>
#include <memory>
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

    bool IsEmpty() const noexcept { return !data_ || (data_->icon.id == 0 && data_->path.empty()); }
    const ResourceIcon& GetResourceIcon() const noexcept { return data_ ? data_->icon : none_.icon; }
    const std::filesystem::path& GetFilePath() const noexcept { return data_ ? data_->path : none_.path; }
    const std::vector<int>& GetSizes() const noexcept { return data_ ? data_->sizes : none_.sizes; }

private:
    struct Data {
        ResourceIcon icon;
        std::filesystem::path path;
        std::vector<int> sizes;
    };
    // Lists show the same few icons on thousands of rows: copies share one description.
    std::shared_ptr<const Data> data_;
    static const Data none_;
};

} // namespace zkpf

namespace Images {

// The host's image folder.
class ResourceManager {
public:
    static ResourceManager& Instance();
    void SetImageFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    // The path of an image file of the folder, whether or not the file is there. Names use
    // the host's separator, a backslash ("VireoCAM\\PdmSynchronizeCmd.svg"), or a slash.
    std::filesystem::path GetImagePath(std::wstring_view fileName) const;

private:
    std::filesystem::path folder_ = "images";
};

} // namespace Images
