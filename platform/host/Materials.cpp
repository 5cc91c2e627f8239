#include "platform/host/Materials.h"

#include "platform/host/DocumentText.h"
#include "platform/host/HostObjectTypes.h"

DocumentMaterial::DocumentMaterial(CZkw32Doc* doc, const Material3DBase& from)
    : CZKObject(doc), density_(from.GetDensity())
{
    SetName(from.GetMaterialName());
}

int DocumentMaterial::GetObjType() const
{
    return ZKObjectTypes::Material;
}

void DocumentMaterial::SaveState(Vireo::Host::TextNode& node) const
{
    CZKObject::SaveState(node);
    node.Add(L"density", {Vireo::Host::FormatNumber(density_)});
}

void DocumentMaterial::LoadState(const Vireo::Host::TextNode& node)
{
    CZKObject::LoadState(node);
    const Vireo::Host::TextNode& density = node.Require(L"density");
    density.ExpectArgs(1);
    density_ = density.ArgNumber(0);
    if (!(density_ > 0))
        density.Fail("a density must be positive");
}

MaterialLibraryManager::MaterialLibraryManager()
    : materials_{
          {L"Steel C45", 7.85},
          {L"Stainless steel X5CrNi18-10", 7.9},
          {L"Aluminium alloy AlMg3", 2.66},
          {L"Aluminium alloy AlCu4Mg1", 2.78},
          {L"Brass CuZn39Pb3", 8.47},
          {L"Copper Cu-ETP", 8.94},
          {L"Titanium alloy Ti6Al4V", 4.43},
          {L"Grey cast iron", 7.2},
          {L"Polyamide PA6", 1.14},
          {L"Titanium nitride", 5.22},
          {L"Chromium", 7.19},
      }
{
}

const LibraryMaterial* MaterialLibraryManager::GetMaterialAsName(std::wstring_view name) const noexcept
{
    for (const LibraryMaterial& material : materials_)
        if (material.GetMaterialName() == name)
            return &material;
    return nullptr;
}

const MaterialLibraryManager& GetMaterialLibraryManager()
{
    static const MaterialLibraryManager library;
    return library;
}
