#include "pdm/rules/AppBuilder.h"

#include "pdm/rules/RuleTag.h"
#include "platform/arbor/Model.h"

namespace Vireo::Cam::Pdm {

PlmFilter AppBuilder::GetPlmFilter() const
{
    if (!datasetObject || !datasetObject->Reference())
        return {};
    const auto group = datasetObject->Reference()->ParameterGroup();
    if (!group || !group->IsReference())
        return {};
    PlmTypeSet classes;
    if (datasetObject->Class())
        classes.insert(datasetObject->Class()->Guid().ToString());
    return {{group->Guid().ToString(), std::move(classes)}};
}

bool AppBuilder::IsValidType(const AppDataset& /*dataset*/, const Types& row) const
{
    return !datasetObject || HoldsRuleTag(*datasetObject, row.plmTag, row.plmTagValue);
}

} // namespace Vireo::Cam::Pdm
