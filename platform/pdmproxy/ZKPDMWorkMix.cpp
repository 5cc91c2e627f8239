#include "platform/pdmproxy/ZKPDMWorkMix.h"

#include "platform/arbor/ServerGateway.h"
#include "platform/support/Utf8.h"
#include "platform/ui/ZKMessageBox.h"

#include <exception>
#include <string>

ZKPDMWorkMix& ZKPDMWorkMix::Instance()
{
    static ZKPDMWorkMix proxy;
    return proxy;
}

bool ZKPDMWorkMix::Connected() const
{
    return Vireo::Arbor::Model::ServerGateway::IsConnected();
}

bool ZKPDMWorkMix::Connect(bool interactive, std::wstring_view connectionText)
{
    if (!connector_)
        return false;
    try {
        auto connection = connector_(interactive, connectionText);
        if (!connection)
            return false;
        Vireo::Arbor::Model::ServerGateway::Connect(std::move(connection));
        return true;
    } catch (const std::exception& error) {
        ZKMessageBox::Show(L"No connection to the PDM: " + Vireo::Support::Utf8ToWide(error.what()), 0);
        return false;
    }
}

ZKPDMHandle<ZKPDMServicesProxy> ZKPDMWorkMix::Services() const
{
    auto connection = Vireo::Arbor::Model::ServerGateway::Connection();
    if (!connection)
        return {};
    return ZKPDMHandle<ZKPDMServicesProxy>(std::make_unique<ZKPDMServicesProxy>(std::move(connection)));
}
