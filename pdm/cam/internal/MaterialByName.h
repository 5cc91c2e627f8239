#pragma once
// Giving a stock or part a material (or a part a coating) by name: a document material of
// that name, else one copied into the document from the host material library.

#include <functional>
#include <string_view>

class CZkw32Doc;
class Material3DBase;

namespace Vireo::Cam::Pdm::internal {

// The material slot of one object: what it holds, how to stop it following a generic
// material, and how to set a document material by name.
struct MaterialTarget {
    std::function<const Material3DBase*()> current;
    std::function<void()> clearDerived;
    std::function<void(CZkw32Doc*, std::wstring_view)> set;
};

// True when the object has the material afterwards: it already had it, or the document or
// the library has a material of that name. False when neither knows the name.
bool SetMaterialByName(CZkw32Doc* doc, const MaterialTarget& target, std::wstring_view name);

} // namespace Vireo::Cam::Pdm::internal
