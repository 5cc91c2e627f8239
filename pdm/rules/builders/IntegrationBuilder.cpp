#include "pdm/rules/IntegrationBuilder.h"

namespace Vireo::Cam::Pdm {

IntegrationBuilder::~IntegrationBuilder() = default;

NameFilter IntegrationBuilder::GetNameFilter() const
{
    return {};
}

SharedAppFilter IntegrationBuilder::GetSharedAppFilter() const
{
    return SharedAppFilter(GetAppFilter());
}

PlmFilter IntegrationBuilder::GetPlmFilter() const
{
    return {};
}

bool IntegrationBuilder::IsValidType(const AppDataset& /*dataset*/, const Types& /*row*/) const
{
    return true;
}

} // namespace Vireo::Cam::Pdm
