#pragma once
// What IntegrationManager::MakeData runs over a rule set: the builder says which rules it
// wants, which type rows fit its current object, and then does its work on them.

#include "pdm/rules/IntegrationRules.h"
#include "pdm/rules/RuleFilters.h"

namespace Vireo::Cam::Pdm {

class IntegrationBuilder {
public:
    virtual ~IntegrationBuilder() = 0;

    // Rule object names wanted. The shared default (IntegrationBuilder::GetNameFilter)
    // wants any name.
    virtual NameFilter GetNameFilter() const = 0;
    virtual AppFilter GetAppFilter() const = 0;
    // The application filter as rule loading keys its cache with. The shared default makes it
    // from GetAppFilter; builders made by the thousand in one walk hand out a filter built
    // once for the walk instead.
    virtual SharedAppFilter GetSharedAppFilter() const;
    // Datasets and PDM classes wanted. The shared default wants any.
    virtual PlmFilter GetPlmFilter() const = 0;
    // Whether a type row applies to the builder's current object. The shared default
    // accepts every row.
    virtual bool IsValidType(const AppDataset& dataset, const Types& row) const = 0;
    // Does the builder's work; its result is the result of MakeData.
    virtual bool ProcessRules(const IntegrationRules& rules) = 0;

protected:
    IntegrationBuilder() = default;
    IntegrationBuilder(const IntegrationBuilder&) = default;
    IntegrationBuilder(IntegrationBuilder&&) = default;
    IntegrationBuilder& operator=(const IntegrationBuilder&) = default;
    IntegrationBuilder& operator=(IntegrationBuilder&&) = default;
};

} // namespace Vireo::Cam::Pdm
