#pragma once
// What is kept of one rule object between loads: its four header cells and, once read, its
// type rows and parameter rows as they were read (paths still in their text form).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm::internal {

struct TypesListValue {
    std::wstring plmType;
    std::wstring plmTag;
    std::wstring plmTagValue;
    std::int32_t appDataType = 1;
    std::wstring appDataTypeValue;
    std::wstring appType;
};

struct ParamsListValue {
    std::wstring plmType;
    std::wstring appType;
    std::wstring plmTag;
    std::wstring plmTagValue;
    std::wstring paramName;
    std::wstring appParamType;
    std::wstring appParam;
    std::wstring plmParam;
    std::int32_t order = 0;
    bool appVisible = true;
    bool plmVisible = true;
};

// An absent row list has not been read yet; a present empty one was read and had no rows.
struct RuleListValue {
    std::wstring datasetGuid;
    std::wstring appCode;
    std::wstring name;
    std::wstring loadingFolder;
    std::optional<std::vector<TypesListValue>> types;
    std::optional<std::vector<ParamsListValue>> params;
};

} // namespace Vireo::Cam::Pdm::internal
