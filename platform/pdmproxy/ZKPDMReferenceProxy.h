#pragma once
// A reference (catalogue) of the PDM, as the host's PDM proxy hands it out, with the
// host's dialog for choosing one of its objects.

#include "platform/pdmproxy/ZKPDMHandle.h"
#include "platform/pdmproxy/ZKPDMObjectProxy.h"

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/win/WinTypes.h"

#include <string_view>

class ZKPDMReferenceProxy {
public:
    explicit ZKPDMReferenceProxy(std::shared_ptr<Vireo::Arbor::Model::ReferenceInfo> reference)
        : reference_(std::move(reference))
    {
    }

    // Usable with the PDM model's ReferenceCatalog::Find.
    System::Guid GetGuid() const;
    HICON GetIcon() const;

    // Lets the user choose among the objects that `filterText` selects (a PDM search filter
    // text; empty for every object). Null when the user cancels. A filter text the PDM
    // cannot read throws the model's ModelException naming what is wrong.
    ZKPDMHandle<ZKPDMObjectProxy> ChooseObject(HWND owner, std::wstring_view filterText) const;

private:
    std::shared_ptr<Vireo::Arbor::Model::ReferenceInfo> reference_;
};
