// Icons of CAM objects, as the object list of the synchronisation dialog shows them.

#include "pdm/cam/CamObjectManager.h"

#include "platform/host/ZKObject.h"
#include "platform/ui/UIModuleProxy.h"

namespace Vireo::Cam::Pdm {

zkpf::Image CamObjectManager::GetIcon(const CamObject& object, const std::vector<int>& sizes)
{
    // Tool parts are no document objects and have no icon of their own: the host's image
    // folder has one file per kind of part.
    static constexpr const wchar_t* partImages[] = {nullptr, L"VireoCAM\\CamToolShank.svg", L"VireoCAM\\CamToolHolder.svg",
                                                    L"VireoCAM\\CamToolExtension.svg", L"VireoCAM\\CamToolAdditionalParams.svg"};
    if (object.index() == 0) {
        const CZKObject* documentObject = std::get<0>(object);
        if (!documentObject)
            return {};
        return zkpf::Image::FromResourceIcon(UIModuleProxy::Instance().GetResourceIcon(documentObject->GetIconID()),
                                             sizes);
    }
    return zkpf::Image::FromFilePath(Images::ResourceManager::Instance().GetImagePath(partImages[object.index()]),
                                     sizes);
}

} // namespace Vireo::Cam::Pdm
