#pragma once
// Lists the rule objects that have type rows for a CAM object, or for any CAM type when it
// is given the null handle. It converts nothing: the synchronisation dialog offers the
// names and searches the reference whose GUID is the dataset GUID.

#include "pdm/cam/CamObject.h"
#include "pdm/rules/DefaultFiltersBuilder.h"

#include <string>
#include <utility>
#include <vector>

namespace Vireo::Cam::Pdm {

class CamRuleNameCreator : public DefaultFiltersBuilder {
public:
    // (dataset name, dataset GUID text)
    using RuleName = std::pair<std::wstring, std::wstring>;

    explicit CamRuleNameCreator(CamObject object);
    ~CamRuleNameCreator() override;

    // The object's own type and the generic types that cover it; every catalogue type for
    // the null handle.
    AppFilter GetAppFilter() const override;
    // One entry per dataset of the rule set; parameter rows play no part.
    bool ProcessRules(const IntegrationRules& rules) override;

    const std::vector<RuleName>& GetRuleNames() const noexcept { return ruleNames; }

private:
    CamObject camObject;
    std::vector<RuleName> ruleNames;
};

} // namespace Vireo::Cam::Pdm
