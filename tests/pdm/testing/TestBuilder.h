#pragma once
// A builder whose filters and type check a test sets, and which records every hook call
// and every rule set it is given.

#include "pdm/rules/IntegrationBuilder.h"

#include <functional>
#include <string>
#include <vector>

namespace Vireo::Testing {

class TestBuilder : public Cam::Pdm::IntegrationBuilder {
public:
    using TypeCheck = std::function<bool(const Cam::Pdm::AppDataset&, const Cam::Pdm::Types&)>;

    Cam::Pdm::NameFilter nameFilter;
    Cam::Pdm::AppFilter appFilter;
    Cam::Pdm::PlmFilter plmFilter;
    TypeCheck typeCheck;                  // empty: the shared default (every row applies)
    std::function<void()> whileProcessing; // runs inside ProcessRules, e.g. a nested MakeData
    bool result = true;

    mutable std::vector<std::string> hooks;
    std::vector<Cam::Pdm::IntegrationRules> received;

    Cam::Pdm::NameFilter GetNameFilter() const override;
    Cam::Pdm::AppFilter GetAppFilter() const override;
    Cam::Pdm::PlmFilter GetPlmFilter() const override;
    bool IsValidType(const Cam::Pdm::AppDataset& dataset, const Cam::Pdm::Types& row) const override;
    bool ProcessRules(const Cam::Pdm::IntegrationRules& rules) override;
};

} // namespace Vireo::Testing
