#pragma once
// The host's PDM proxy: whether a PDM connection is open, opening one, and the services of
// the open connection. The connection is the PDM model's current one (ServerGateway), so
// the plug-in's proxy calls and its model calls meet the same server.
//
// How a connection is opened is the host's business: the host program gives the proxy a
// connector (for example one that opens the database file named on its command line).

#include "platform/pdmproxy/ZKPDMHandle.h"
#include "platform/pdmproxy/ZKPDMServicesProxy.h"

#include "platform/arbor/ModelFwd.h"

#include <functional>
#include <string_view>

class ZKPDMWorkMix {
public:
    // Opens a connection; `interactive` allows asking the user, `connectionText` names the
    // server (empty: the host's default). Null when no connection can be made.
    using Connector = std::function<std::shared_ptr<Vireo::Arbor::Model::ServerConnection>(
        bool interactive, std::wstring_view connectionText)>;

    static ZKPDMWorkMix& Instance();

    bool Connected() const;
    // Tries to open a connection through the connector and makes it the current one. A
    // connector that fails shows its error in a message; the answer is then false.
    bool Connect(bool interactive, std::wstring_view connectionText);
    // The services of the open connection; null without one.
    ZKPDMHandle<ZKPDMServicesProxy> Services() const;

    // Host side: how Connect opens a connection (an empty connector makes Connect fail).
    void SetConnector(Connector connector) { connector_ = std::move(connector); }

private:
    Connector connector_;
};
