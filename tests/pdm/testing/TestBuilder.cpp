#include "tests/pdm/testing/TestBuilder.h"

namespace Vireo::Testing {

using namespace Cam::Pdm;

NameFilter TestBuilder::GetNameFilter() const
{
    hooks.emplace_back("GetNameFilter");
    return nameFilter.empty() ? IntegrationBuilder::GetNameFilter() : nameFilter;
}

AppFilter TestBuilder::GetAppFilter() const
{
    hooks.emplace_back("GetAppFilter");
    return appFilter;
}

PlmFilter TestBuilder::GetPlmFilter() const
{
    hooks.emplace_back("GetPlmFilter");
    return plmFilter.empty() ? IntegrationBuilder::GetPlmFilter() : plmFilter;
}

bool TestBuilder::IsValidType(const AppDataset& dataset, const Types& row) const
{
    hooks.emplace_back("IsValidType");
    return typeCheck ? typeCheck(dataset, row) : IntegrationBuilder::IsValidType(dataset, row);
}

bool TestBuilder::ProcessRules(const IntegrationRules& rules)
{
    hooks.emplace_back("ProcessRules");
    received.push_back(rules);
    if (whileProcessing)
        whileProcessing();
    return result;
}

} // namespace Vireo::Testing
