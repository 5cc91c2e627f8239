#include "platform/pdmproxy/ZKPDMReferenceProxy.h"

#include "platform/pdmproxy/ReferenceChoices.h"

#include "platform/arbor/ModelException.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ReferenceObjectCollection.h"
#include "platform/arbor/SearchFilter.h"
#include "platform/support/Utf8.h"
#include "platform/ui/UIModuleProxy.h"
#include "platform/ui/ZKMessageBox.h"

#include <vector>

namespace {

namespace Model = Vireo::Arbor::Model;

// The icon resource the host shows for every PDM reference.
constexpr unsigned referenceIconResource = 212;

// The objects of the reference that the filter selects, in the model's order.
std::vector<std::shared_ptr<Model::ReferenceObject>> filteredObjects(const std::shared_ptr<Model::ReferenceInfo>& info,
                                                                     const std::shared_ptr<Model::Search::Filter>& filter)
{
    const auto reference = info->CreateReference();
    if (!reference)
        return {};
    const auto loader = reference->CreateLoader(filter, nullptr, nullptr);
    loader->Load();
    if (loader->State() != Model::LoadState::Loaded)
        return {};
    return {loader->begin(), loader->end()};
}

} // namespace

System::Guid ZKPDMReferenceProxy::GetGuid() const
{
    return reference_->Guid();
}

HICON ZKPDMReferenceProxy::GetIcon() const
{
    return UIModuleProxy::Instance().LoadIcon(referenceIconResource);
}

ZKPDMHandle<ZKPDMObjectProxy> ZKPDMReferenceProxy::ChooseObject(HWND owner, std::wstring_view filterText) const
{
    // Filter text that does not parse is the caller's error and passes on.
    const auto filter = filterText.empty() ? nullptr : Model::Search::Filter::Parse(reference_, filterText);
    std::vector<std::shared_ptr<Model::ReferenceObject>> objects;
    std::vector<Vireo::Ui::ObjectChoice> choices;
    try {
        objects = filteredObjects(reference_, filter);
        choices.reserve(objects.size());
        for (const auto& object : objects)
            choices.push_back(Vireo::PdmProxy::ToChoice(*object));
    } catch (const Model::ModelException& error) {
        // The chooser cannot offer objects it could not read: it says why and chooses none,
        // as when the user cancels.
        ZKMessageBox::Show(L"The PDM objects cannot be listed: " + Vireo::Support::Utf8ToWide(error.what()), 0);
        return {};
    }
    const auto chosen = Vireo::Ui::CurrentHostUiDriver().ChooseObject(
        owner, Vireo::PdmProxy::ToChoice(*reference_), filterText, choices);
    if (!chosen || *chosen >= objects.size())
        return {};
    return ZKPDMHandle<ZKPDMObjectProxy>(std::make_unique<ZKPDMObjectProxy>(objects[*chosen]));
}
