#include "pdm/rules/RuleTag.h"

#include "pdm/rules/RuleParameterGuid.h"
#include "platform/arbor/Model.h"

namespace Vireo::Cam::Pdm {

bool HoldsRuleTagOrThrow(const Arbor::Model::ReferenceObject& object, std::wstring_view tag,
                         std::wstring_view tagValue)
{
    if (tag.empty())
        return true;
    const auto parameter = object.ParameterValues().GetParameter(RuleParameterGuid(tag));
    return parameter && parameter->ToString() == tagValue;
}

bool HoldsRuleTag(const Arbor::Model::ReferenceObject& object, std::wstring_view tag, std::wstring_view tagValue)
{
    if (!tag.empty() && !FindRuleParameterGuid(tag))
        return false;
    try {
        return HoldsRuleTagOrThrow(object, tag, tagValue);
    } catch (const Arbor::Model::ModelException&) {
        return false;
    }
}

} // namespace Vireo::Cam::Pdm
