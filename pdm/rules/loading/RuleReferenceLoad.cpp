#include "pdm/rules/internal/RuleReferenceLoad.h"

#include "pdm/rules/PdmConsts.h"
#include "pdm/rules/internal/RuleSearch.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObjectCollection.h"
#include "platform/arbor/ServerConnection.h"

namespace Vireo::Cam::Pdm::internal {
namespace {

namespace Model = Arbor::Model;

// Releases the loaded rule objects however the load ends.
class LoaderDisposal {
public:
    explicit LoaderDisposal(Model::ReferenceObjectCollection& loader) : loader_(loader) {}
    ~LoaderDisposal() { loader_.Dispose(); }
    LoaderDisposal(const LoaderDisposal&) = delete;
    LoaderDisposal& operator=(const LoaderDisposal&) = delete;

private:
    Model::ReferenceObjectCollection& loader_;
};

} // namespace

bool forEachRuleObject(const Model::ServerConnection& connection, const NameFilter& nameFilter,
                       const AppFilter& appFilter, const PlmFilter& plmFilter,
                       const std::function<void(Model::ReferenceObject&)>& visit)
{
    const auto catalog = connection.ReferenceCatalog();
    const auto ruleReferenceInfo = catalog ? catalog->Find(PdmConsts::AppIntegrationDts::Key.ToNetGuid()) : nullptr;
    if (!ruleReferenceInfo)
        return false;
    const auto ruleReference = ruleReferenceInfo->CreateReference();
    if (!ruleReference)
        return false;
    const auto filter = makeRuleSearchFilter(ruleReferenceInfo, nameFilter, appFilter, plmFilter);
    const auto loader = ruleReference->CreateLoader(filter, nullptr, nullptr);
    if (!loader)
        return false;
    const LoaderDisposal disposal(*loader);
    loader->Load();
    if (loader->State() != Model::LoadState::Loaded)
        return false;
    for (const auto& ruleObject : *loader)
        visit(*ruleObject);
    return true;
}

} // namespace Vireo::Cam::Pdm::internal
