#include "platform/qtui/internal/ImageIcons.h"

#include "platform/cam/ObjectIcons.h"

#include <QString>

#include <string_view>
#include <utility>

namespace Vireo::QtUi {
namespace {

// The host icon of a folder of the CAM tree.
constexpr unsigned folderIcon = 157;

constexpr std::pair<unsigned, std::wstring_view> resourceIconFiles[] = {
    {folderIcon, L"VireoCAM/Folder.svg"},
    {Cam::Icons::Tool, L"VireoCAM/CamTool.svg"},
    {Cam::Icons::Machining, L"VireoCAM/CamMachining.svg"},
    {Cam::Icons::MachiningGroup, L"VireoCAM/CamMachiningGroup.svg"},
    {Cam::Icons::MachiningProject, L"VireoCAM/CamMachiningProject.svg"},
    {Cam::Icons::Stock, L"VireoCAM/CamStock.svg"},
    {Cam::Icons::Part, L"VireoCAM/CamPart.svg"},
    {Cam::Icons::Fixture, L"VireoCAM/CamFixture.svg"},
    {Cam::Icons::SharedGeometrySet, L"VireoCAM/CamSharedGeometrySet.svg"},
    {Cam::Icons::MachineSetup, L"VireoCAM/CamMachineSetup.svg"},
};

QIcon fileIcon(const std::filesystem::path& path)
{
    return QIcon(QString::fromStdString(path.string()));
}

} // namespace

QIcon ToIcon(const zkpf::Image& image)
{
    if (!image.GetFilePath().empty())
        return fileIcon(image.GetFilePath());
    for (const auto& [id, file] : resourceIconFiles)
        if (id == image.GetResourceIcon().id)
            return fileIcon(Images::ResourceManager::Instance().GetImagePath(file));
    return {};
}

} // namespace Vireo::QtUi
