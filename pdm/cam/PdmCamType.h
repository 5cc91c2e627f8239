#pragma once
// The descriptor of one CAM type of the catalogue: how to create an object of the type, how
// to recognise one, and which parameter names it knows with the host parameter behind each.

#include "pdm/cam/CamObject.h"
#include "platform/zktypes/UniqueIdentifier.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>

class CZkw32Doc;

namespace Vireo::Cam::Pdm {

// A host parameter and the integer it must hold; an empty identifier tells nothing apart.
using CamTypeDiscriminator = std::pair<UniqueIdentifier, std::int32_t>;

struct PdmCamType {
    using Factory = std::function<CamObject(CZkw32Doc*, const CamObject&)>;
    using Predicate = std::function<bool(const CamObject&)>;
    using ParameterMap = std::unordered_map<std::wstring_view, UniqueIdentifier>;
    using ParameterNameMap = std::unordered_map<UniqueIdentifier, std::wstring_view>;

    // Creates an object of this type under a parent; the null handle when it cannot.
    Factory factory;
    // True when an object is of this type.
    Predicate predicate;
    // Parameter names, each with its host parameter or the empty identifier for values the
    // adapter computes itself.
    ParameterMap parameters;
    // The reverse of `parameters`; an identifier under several names keeps the first met.
    ParameterNameMap parameterNames;

    // The descriptor of a type that stands for host class T. Instantiated for the tool
    // logic, the strategy, the document object classes and the tool-part classes.
    template <class T>
    static PdmCamType Make(ParameterMap parameters, UniqueIdentifier classId = UniqueIdentifier::Empty(),
                           CamTypeDiscriminator discriminator = {UniqueIdentifier::Empty(), 0});
};

} // namespace Vireo::Cam::Pdm
