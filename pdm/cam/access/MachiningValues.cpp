// Values of machining projects, groups and machinings: descriptions, the order in the
// machining tree, and the strategy parameters, which live in parameter groups.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/MachiningProject.h"
#include "platform/cam/MachiningTree.h"

namespace Vireo::Cam::Pdm::internal {

namespace {

using Info = CamConsts::MachiningInfo;

CamValuePtr readOrder(CZKObject& object)
{
    return MakeOwnedValue<Cam::IntValue>(Cam::MachiningTree::Item(&object).GetOrder());
}

CamValuePtr readDescription(const Cam::ModelObject& object)
{
    return MakeOwnedValue<Cam::StringValue>(object.GetDescription(true));
}

// The parameter inside the first group that has it; values at the top level do not count.
Cam::BaseValue* findGroupedParameter(Cam::Machining& machining, const UniqueIdentifier& id)
{
    Cam::Parameters::MutableEnumerator values = machining.GetParameters().GetEnumerator();
    while (values.MoveNext())
        if (Cam::AggregateValue* group = values.GetValue()->AsAggregate())
            if (Cam::BaseValue* value = group->GetValue().GetValue(id))
                return value;
    return nullptr;
}

} // namespace

CamValuePtr ReadMachiningProjectValue(const Cam::MachiningProject& project, std::wstring_view name)
{
    return name == Info::Description ? readDescription(project) : nullptr;
}

CamValuePtr ReadMachiningGroupValue(Cam::MachiningGroup& group, std::wstring_view name)
{
    if (name == Info::Description)
        return readDescription(group);
    if (name == Info::OrderNo)
        return readOrder(group);
    return nullptr;
}

CamValuePtr ReadMachiningValue(Cam::Machining& machining, std::wstring_view appType, std::wstring_view name,
                               const UniqueIdentifier& id)
{
    if (name == Info::MachiningType)
        return MakeOwnedValue<Cam::StringValue>(appType);
    if (name == Info::OrderNo)
        return readOrder(machining);
    if (name == Info::Description)
        return readDescription(machining);
    return BorrowValue(findGroupedParameter(machining, id));
}

bool WriteMachiningOrder(CZKObject& object, const Cam::BaseValue& value)
{
    const Cam::IntValue* order = value.AsInt();
    if (!order)
        return false;
    Cam::MachiningTree::Item(&object).SetOrder(order->GetValue());
    return true;
}

bool WriteMachiningParameter(Cam::Machining& machining, const UniqueIdentifier& id, const Cam::BaseValue& value)
{
    Cam::Parameters::MutableEnumerator values = machining.GetParameters().GetEnumerator();
    while (values.MoveNext())
        if (Cam::AggregateValue* group = values.GetValue()->AsAggregate())
            if (group->GetValue().TrySetValue(id, value))
                return true;
    return false;
}

} // namespace Vireo::Cam::Pdm::internal
