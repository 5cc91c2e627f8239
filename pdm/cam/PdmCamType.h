#pragma once
// The descriptor of one CAM type of the catalogue: how to create an object of the type, how
// to recognise one, how to read and write its values, and which parameter names it knows
// with the host parameter behind each.

#include "pdm/cam/CamObject.h"
#include "pdm/cam/CamValue.h"
#include "platform/zktypes/UniqueIdentifier.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>

class CZkw32Doc;

namespace Vireo::Cam::Pdm {

// A host parameter and the integer it must hold; an empty identifier tells nothing apart.
using CamTypeDiscriminator = std::pair<UniqueIdentifier, std::int32_t>;

// One value asked of a CAM object: the catalogue type it was recognised as (empty when none
// accepted it), the parameter name, and the host parameter of that name for the type (empty
// when there is none).
struct CamValueQuery {
    std::wstring_view appType;
    std::wstring_view name;
    UniqueIdentifier id;
};

// Reading and writing the values of the host class a CAM type stands for; every type of one
// class shares them. `read` and `write` are called only with handles that `holds` accepts.
struct CamTypeValues {
    bool (*holds)(const CamObject& object) noexcept = nullptr;
    CamValuePtr (*read)(const CamObject& object, const CamValueQuery& query) = nullptr;
    bool (*write)(const CamObject& object, const CamValueQuery& query, const Cam::BaseValue& value) = nullptr;
};

struct PdmCamType {
    using Factory = std::function<CamObject(CZkw32Doc*, const CamObject&)>;
    using Predicate = std::function<bool(const CamObject&)>;
    using ParameterMap = std::unordered_map<std::wstring_view, UniqueIdentifier>;
    using ParameterNameMap = std::unordered_map<UniqueIdentifier, std::wstring_view>;

    // Creates an object of this type under a parent; the null handle when it cannot.
    Factory factory;
    // True when an object is of this type.
    Predicate predicate;
    // The values of objects of this type.
    CamTypeValues values;
    // Parameter names, each with its host parameter or the empty identifier for values the
    // adapter computes itself.
    ParameterMap parameters;
    // The reverse of `parameters`; an identifier under several names keeps the first met.
    ParameterNameMap parameterNames;
    // What the predicate tests, so that recognising an object asks only the types that may
    // accept it: the kind identifier it compares with the object's, and the handle
    // alternative that holds objects of its host class (NoAlternative for the tool logic
    // and the strategy, which no handle holds).
    UniqueIdentifier classId;
    std::size_t alternative = NoAlternative;

    static constexpr std::size_t NoAlternative = static_cast<std::size_t>(-1);

    // The descriptor of a type that stands for host class T, with the value routines of that
    // class. Instantiated for the tool logic, the strategy, the document object classes and
    // the tool-part classes.
    template <class T>
    static PdmCamType Make(const CamTypeValues& values, ParameterMap parameters,
                           UniqueIdentifier classId = UniqueIdentifier::Empty(),
                           CamTypeDiscriminator discriminator = {UniqueIdentifier::Empty(), 0});
};

} // namespace Vireo::Cam::Pdm
