#include "pdm/cam/internal/MaterialByName.h"

#include "platform/host/HostObjectTypes.h"
#include "platform/host/Zkw32Doc.h"

#include <memory>

namespace Vireo::Cam::Pdm::internal {

namespace {

bool hasDocumentMaterial(CZkw32Doc& doc, std::wstring_view name)
{
    const CZKObject* found = doc.Container3D().FindMaterial(name);
    return found && found->GetObjType() == ZKObjectTypes::Material;
}

// Copies the library material of that name into the document; false when there is none.
bool importLibraryMaterial(CZkw32Doc& doc, std::wstring_view name)
{
    const LibraryMaterial* library = GetMaterialLibraryManager().GetMaterialAsName(name);
    if (!library)
        return false;
    ZKDocRegenContext regeneration(&doc);
    auto material = std::make_unique<DocumentMaterial>(&doc, *library);
    material->SetID(doc.NewObjectID());
    doc.Cont3DData().GetMaterials().Add(std::move(material));
    return true;
}

} // namespace

bool SetMaterialByName(CZkw32Doc* doc, const MaterialTarget& target, std::wstring_view name)
{
    const Material3DBase* current = target.current();
    if (current && current->GetMaterialName() == name)
        return true;
    if (!doc || (!hasDocumentMaterial(*doc, name) && !importLibraryMaterial(*doc, name)))
        return false;
    target.clearDerived();
    target.set(doc, name);
    return true;
}

} // namespace Vireo::Cam::Pdm::internal
