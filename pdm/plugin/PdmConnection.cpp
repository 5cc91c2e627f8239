#include "pdm/plugin/PdmConnection.h"

#include "platform/pdmproxy/ZKPDMWorkMix.h"
#include "platform/ui/UIModuleProxy.h"

namespace Vireo::Cam::Pdm {

bool EnsurePdmConnection(CZkw32Doc* doc)
{
    if (doc == nullptr)
        return false;
    ZKPDMWorkMix& proxy = ZKPDMWorkMix::Instance();
    if (!proxy.Connected())
        proxy.Connect(true, L"");
    return proxy.Connected();
}

std::optional<ChosenPdmObject> ChoosePdmObject(CZkw32Doc* doc)
{
    const auto services = ZKPDMWorkMix::Instance().Services();
    if (services.isNull())
        return std::nullopt;
    const auto reference = services->ChooseReference(nullptr);
    if (reference.isNull())
        return std::nullopt;
    CFrameWnd* frame = UIModuleProxy::Instance().FrameForDocument(doc);
    const auto object = reference->ChooseObject(frame ? frame->GetSafeHwnd() : nullptr, L"");
    if (object.isNull())
        return std::nullopt;
    return ChosenPdmObject{reference->GetGuid(), object->GetGuid()};
}

} // namespace Vireo::Cam::Pdm
