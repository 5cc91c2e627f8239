#include "platform/arbor/Parameter.h"

#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/Schema.h"

namespace Vireo::Arbor::Model {

std::shared_ptr<Parameter> ParameterCollection::GetParameter(const System::Guid& guid) const
{
    auto parameter = owner_.findParameter(guid);
    if (!parameter)
        return nullptr;
    // The class parameter's value is the object's class, not a stored value.
    if (guid == Schema::ClassParameterGuid)
        return std::make_shared<Parameter>(std::move(parameter), *owner_.GetObjectValue(guid.ToString(), false));
    const ObjectValue* value = owner_.currentValue(*parameter);
    return std::make_shared<Parameter>(std::move(parameter), value ? *value : *ObjectValue::Null);
}

bool ParameterCollection::TrySetValue(const System::Guid& guid, const ObjectValue& value)
{
    if (auto* plan = owner_.faults(); plan && !plan->Pass(FaultPoint::ValueWrite))
        return false;
    if (!owner_.open_)
        return false;
    auto parameter = owner_.findParameter(guid);
    if (!parameter)
        return false;
    auto converted = value.ConvertTo(parameter->ValueType());
    if (!converted)
        return false;
    const auto& stored = owner_.storedValues();
    auto current = stored.find(parameter->Id());
    const bool same = current == stored.end() ? converted->IsNull() : current->second == *converted;
    if (same)
        owner_.changes_.erase(parameter->Id());
    else
        owner_.changes_[parameter->Id()] = *converted;
    return true;
}

} // namespace Vireo::Arbor::Model
