#include "pdm/plugin/OpenLinkCommand.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/links/Uri.h"

#include "platform/ui/ShellApi.h"
#include "platform/win/CmdUI.h"

#include <stdexcept>

namespace Vireo::Cam::Pdm {
namespace {

bool isPdmObjectLink(const Uri& link)
{
    return link.GetScheme() == L"arbor" && link.GetPath() == L"/OpenReferenceWindow/";
}

} // namespace

void OpenLinkCommand::UpdateUiHandler(CZkw32Doc* doc, CCmdUI* ui)
{
    if (doc == nullptr || _object == nullptr) {
        ui->Enable(false);
        return;
    }
    try {
        ui->Enable(isPdmObjectLink(Uri(CamObjectManager::GetUri(CamObject(_object)))));
    } catch (const std::range_error&) {
        // A link whose escapes are no text opens nothing.
        ui->Enable(false);
    }
}

void OpenLinkCommand::Handler(CZkw32Doc* doc, int /*id*/)
{
    if (doc == nullptr || _object == nullptr)
        return;
    const std::wstring link = CamObjectManager::GetUri(CamObject(_object));
    if (isPdmObjectLink(Uri(link)))
        ShellExecuteW(nullptr, nullptr, link.c_str(), nullptr, nullptr, SW_SHOW);
}

} // namespace Vireo::Cam::Pdm
