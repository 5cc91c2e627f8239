#pragma once
// The compiled-in catalogue of CAM types: the types with their parameters, the generic
// families, the allowed child types of containers and the shoulder lengths of tools. Built
// when the module loads and never changed; the rest of the system reads them through
// CamObjectManager.

#include "pdm/cam/PdmCamType.h"

#include "platform/support/HashCombine.h"

#include <set>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Vireo::Cam::Pdm {

using CamTypeMap = std::unordered_map<std::wstring_view, PdmCamType>;

// Generic type name -> (its member types, the parameter whose value names the member).
using GenericCamTypeMap = std::unordered_map<std::wstring_view, std::pair<std::set<std::wstring_view>, std::wstring_view>>;

// Container type name -> the type names its children may have, in order.
using ChildCamTypeMap = std::unordered_map<std::wstring_view, std::vector<std::wstring_view>>;

using CamTypeParameter = std::pair<std::wstring_view, std::wstring_view>;

struct CamTypeParameterHash {
    std::size_t operator()(const CamTypeParameter& key) const noexcept
    {
        return static_cast<std::size_t>(Support::HashValues(key.first, key.second));
    }
};

// (tool type, parameter) -> (the tool's boolean switch parameter, the value it must have for
// the parameter to exist).
using ToolShoulderMap = std::unordered_map<CamTypeParameter, std::pair<UniqueIdentifier, bool>, CamTypeParameterHash>;

extern const CamTypeMap CamTypes;
extern const GenericCamTypeMap GenericCamTypes;
extern const ChildCamTypeMap ChildCamTypes;
extern const ToolShoulderMap ToolShoulders;

// The parts of CamTypes, one per family of host classes.
void AddToolTypes(CamTypeMap& types);
void AddMachiningTypes(CamTypeMap& types);
void AddStockTypes(CamTypeMap& types);
void AddContainerAndPartTypes(CamTypeMap& types);

} // namespace Vireo::Cam::Pdm
