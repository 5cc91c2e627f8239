#pragma once
// Rule objects of the integration-rule reference written as seed text, so that a test
// states the rules it needs as data. Empty texts and absent numbers leave the cell empty.

#include "pdm/rules/IntegrationRules.h"
#include "platform/arbor/SystemGuid.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vireo::Testing {

class PdmFixture;

struct TypeRowSeed {
    std::wstring appType{};
    std::wstring plmType{}; // the cell as stored: "text^{class guid}" or a bare GUID
    std::wstring plmTag{};
    std::wstring plmTagValue{};
    std::optional<int> appDataType{};
    std::wstring appDataTypeValue{};
};

struct ParamRowSeed {
    std::wstring appParam{};
    std::wstring plmParam{}; // a path: "{reference}.{group}.{parameter}"
    std::wstring appType{};
    std::wstring plmType{};
    std::wstring plmTag{};
    std::wstring plmTagValue{};
    std::wstring paramName{};
    std::wstring appParamType = Cam::Pdm::AppParamType::Parameter;
    std::optional<int> order{};
    std::optional<bool> appVisible{};
    std::optional<bool> plmVisible{};
};

struct RuleObjectSeed {
    std::wstring name{};
    std::wstring appCode{};
    std::wstring datasetGuid{};
    std::wstring loadingFolder{};
    std::vector<TypeRowSeed> types{};
    std::vector<ParamRowSeed> params{};
    System::Guid guid = System::Guid::NewGuid();
};

// A rule cell's path, "{reference}.{group}...{parameter}", or a class cell "{class}".
std::wstring RulePath(std::initializer_list<std::wstring_view> keys);

// "<Pdm>" text that adds the objects to the (already seeded) integration-rule reference.
std::string RuleObjectsSeed(const std::vector<RuleObjectSeed>& objects);
void SeedRuleObjects(PdmFixture& pdm, const std::vector<RuleObjectSeed>& objects);

} // namespace Vireo::Testing
