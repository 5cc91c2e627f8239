#include "pdm/rules/RuleTag.h"

#include "pdm/rules/RuleParameterGuid.h"
#include "platform/arbor/Model.h"

namespace Vireo::Cam::Pdm {

bool HoldsRuleTag(const Arbor::Model::ReferenceObject& object, std::wstring_view tag, std::wstring_view tagValue)
{
    if (tag.empty())
        return true;
    const auto guid = FindRuleParameterGuid(tag);
    if (!guid)
        return false;
    try {
        const auto parameter = object.ParameterValues().GetParameter(*guid);
        return parameter && parameter->ToString() == tagValue;
    } catch (const Arbor::Model::ModelException&) {
        return false;
    }
}

} // namespace Vireo::Cam::Pdm
