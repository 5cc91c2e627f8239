#include "pdm/rules/PdmBuilder.h"

#include "pdm/rules/RuleTag.h"
#include "platform/arbor/Model.h"

namespace Vireo::Cam::Pdm {
namespace {

namespace Model = Vireo::Arbor::Model;

bool isReferenceGroup(const std::shared_ptr<Model::Reference>& reference)
{
    return reference && reference->ParameterGroup() && reference->ParameterGroup()->IsReference();
}

PlmTypeSet classTexts(const Model::ClassObjectCollection& classes)
{
    PlmTypeSet texts;
    for (const auto& objectClass : classes)
        if (objectClass)
            texts.insert(objectClass->Guid().ToString());
    return texts;
}

} // namespace

PlmFilter PdmBuilder::GetPlmFilter() const
{
    if (updateDatasetObject) {
        const auto& reference = updateDatasetObject->Reference();
        if (!isReferenceGroup(reference) || !updateDatasetObject->Class())
            return {};
        return {{reference->ParameterGroup()->Guid().ToString(), {updateDatasetObject->Class()->Guid().ToString()}}};
    }
    std::shared_ptr<Model::Reference> reference;
    bool parentSaved = false;
    if (parentDatasetObject) {
        reference = parentDatasetObject->Reference();
        parentSaved = parentDatasetObject->Id() != 0;
    } else if (referenceInfo) {
        reference = referenceInfo->CreateReference();
    }
    if (!isReferenceGroup(reference))
        return {};
    PlmTypeSet classes;
    if (parentSaved && parentDatasetObject->Class())
        classes = classTexts(parentDatasetObject->Class()->ChildObjectClasses());
    else if (!parentSaved && reference->Classes())
        classes = classTexts(reference->Classes()->GetRootClasses());
    return {{reference->ParameterGroup()->Guid().ToString(), std::move(classes)}};
}

bool PdmBuilder::IsValidType(const AppDataset& /*dataset*/, const Types& row) const
{
    return !updateDatasetObject || HoldsRuleTag(*updateDatasetObject, row.plmTag, row.plmTagValue);
}

} // namespace Vireo::Cam::Pdm
