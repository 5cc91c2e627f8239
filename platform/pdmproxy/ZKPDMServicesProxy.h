#pragma once
// The services of an open PDM connection: finding a reference, and the host's dialog for
// choosing one.

#include "platform/pdmproxy/ZKPDMHandle.h"
#include "platform/pdmproxy/ZKPDMReferenceProxy.h"

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/win/WinTypes.h"

class ZKPDMServicesProxy {
public:
    explicit ZKPDMServicesProxy(std::shared_ptr<Vireo::Arbor::Model::ServerConnection> connection)
        : connection_(std::move(connection))
    {
    }

    // Null when the user cancels.
    ZKPDMHandle<ZKPDMReferenceProxy> ChooseReference(HWND owner) const;
    // Null when the PDM has no such reference.
    ZKPDMHandle<ZKPDMReferenceProxy> GetReference(const System::Guid& guid) const;

private:
    std::shared_ptr<Vireo::Arbor::Model::ServerConnection> connection_;
};
