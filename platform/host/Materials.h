#pragma once
// Materials: the named materials of the host library and the document materials (host kind
// 54) that a document holds in its 3D container.

#include "platform/host/ZKObject.h"

#include <string>
#include <string_view>
#include <vector>

class Material3DBase {
public:
    virtual ~Material3DBase() = default;
    virtual std::wstring GetMaterialName() const = 0;
    // Density in g/cm³.
    virtual double GetDensity() const = 0;
};

// A material of the host's material library.
class LibraryMaterial final : public Material3DBase {
public:
    LibraryMaterial(std::wstring name, double density) : name_(std::move(name)), density_(density) {}
    std::wstring GetMaterialName() const override { return name_; }
    double GetDensity() const override { return density_; }

private:
    std::wstring name_;
    double density_;
};

// A material copied into a document; parts and stocks refer to it.
class DocumentMaterial final : public CZKObject, public Material3DBase {
public:
    explicit DocumentMaterial(CZkw32Doc* doc) : CZKObject(doc) {}
    // A document material made from a library material. It gets its id (SetID) and its
    // place in the document through the container's material list.
    DocumentMaterial(CZkw32Doc* doc, const Material3DBase& from);

    int GetObjType() const override;
    std::wstring GetMaterialName() const override { return GetName(); }
    double GetDensity() const override { return density_; }
    void SetDensity(double density)
    {
        NoteChange();
        density_ = density;
    }

    std::wstring_view GetClassTag() const override { return L"Material"; }
    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    double density_ = 1.0;
};

// The host material library: a fixed set of named materials.
class MaterialLibraryManager {
public:
    MaterialLibraryManager();
    MaterialLibraryManager(const MaterialLibraryManager&) = delete;
    MaterialLibraryManager& operator=(const MaterialLibraryManager&) = delete;

    // The library material with exactly this name, or null.
    const LibraryMaterial* GetMaterialAsName(std::wstring_view name) const noexcept;
    const std::vector<LibraryMaterial>& GetMaterials() const noexcept { return materials_; }

private:
    std::vector<LibraryMaterial> materials_;
};

const MaterialLibraryManager& GetMaterialLibraryManager();
