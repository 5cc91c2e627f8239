#pragma once
// A builder that wants any rule object by name, any dataset and class, and every type row:
// it keeps the shared defaults of the interface and says only which CAM types it is for.

#include "pdm/rules/IntegrationBuilder.h"

namespace Vireo::Cam::Pdm {

class DefaultFiltersBuilder : public IntegrationBuilder {
public:
    NameFilter GetNameFilter() const override { return IntegrationBuilder::GetNameFilter(); }
    PlmFilter GetPlmFilter() const override { return IntegrationBuilder::GetPlmFilter(); }
    bool IsValidType(const AppDataset& dataset, const Types& row) const override
    {
        return IntegrationBuilder::IsValidType(dataset, row);
    }
};

} // namespace Vireo::Cam::Pdm
