#include "platform/pdmproxy/ZKPDMServicesProxy.h"

#include "platform/pdmproxy/ReferenceChoices.h"

#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ServerConnection.h"

#include <vector>

ZKPDMHandle<ZKPDMReferenceProxy> ZKPDMServicesProxy::ChooseReference(HWND owner) const
{
    std::vector<std::shared_ptr<Vireo::Arbor::Model::ReferenceInfo>> references;
    std::vector<Vireo::Ui::ReferenceChoice> choices;
    for (const auto& reference : connection_->ReferenceCatalog()->GetReferences()) {
        references.push_back(reference);
        choices.push_back(Vireo::PdmProxy::ToChoice(*reference));
    }
    const auto chosen = Vireo::Ui::CurrentHostUiDriver().ChooseReference(owner, choices);
    if (!chosen || *chosen >= references.size())
        return {};
    return ZKPDMHandle<ZKPDMReferenceProxy>(std::make_unique<ZKPDMReferenceProxy>(references[*chosen]));
}

ZKPDMHandle<ZKPDMReferenceProxy> ZKPDMServicesProxy::GetReference(const System::Guid& guid) const
{
    auto reference = connection_->ReferenceCatalog()->Find(guid);
    if (!reference)
        return {};
    return ZKPDMHandle<ZKPDMReferenceProxy>(std::make_unique<ZKPDMReferenceProxy>(std::move(reference)));
}
