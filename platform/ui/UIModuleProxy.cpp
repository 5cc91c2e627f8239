#include "platform/ui/UIModuleProxy.h"

UIModuleProxy& UIModuleProxy::Instance()
{
    static UIModuleProxy proxy;
    return proxy;
}

zkpf::ResourceIcon UIModuleProxy::GetResourceIcon(unsigned iconId) const noexcept
{
    return zkpf::ResourceIcon{iconId};
}

HICON UIModuleProxy::LoadIcon(unsigned resourceId)
{
    if (resourceId == 0)
        return nullptr;
    auto& icon = icons_[resourceId];
    if (!icon)
        icon = std::make_unique<HICON__>(HICON__{resourceId});
    return icon.get();
}

CFrameWnd* UIModuleProxy::FrameForDocument(const CZkw32Doc* document) const
{
    const auto found = frames_.find(document);
    return found == frames_.end() ? nullptr : found->second.get();
}

CFrameWnd* UIModuleProxy::OpenFrame(const CZkw32Doc* document)
{
    auto& frame = frames_[document];
    if (!frame)
        frame = std::make_unique<CFrameWnd>();
    return frame.get();
}

void UIModuleProxy::CloseFrame(const CZkw32Doc* document)
{
    frames_.erase(document);
}
