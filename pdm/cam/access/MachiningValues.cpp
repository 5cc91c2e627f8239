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

CamValuePtr readProjectValue(Cam::MachiningProject& project, const CamValueQuery& query)
{
    return query.name == Info::Description ? ReadDescription(project) : nullptr;
}

bool writeProjectValue(Cam::MachiningProject& project, const CamValueQuery& query, const Cam::BaseValue& value)
{
    return query.name == Info::Description && WriteDescription(project, value);
}

CamValuePtr readGroupValue(Cam::MachiningGroup& group, const CamValueQuery& query)
{
    if (query.name == Info::Description)
        return ReadDescription(group);
    if (query.name == Info::OrderNo)
        return readOrder(group);
    return nullptr;
}

bool writeOrder(CZKObject& object, const Cam::BaseValue& value)
{
    const Cam::IntValue* order = value.AsInt();
    if (!order)
        return false;
    Cam::MachiningTree::Item(&object).SetOrder(order->GetValue());
    return true;
}

bool writeGroupValue(Cam::MachiningGroup& group, const CamValueQuery& query, const Cam::BaseValue& value)
{
    if (query.name == Info::Description)
        return WriteDescription(group, value);
    return query.name == Info::OrderNo && writeOrder(group, value);
}

CamValuePtr readMachiningValue(Cam::Machining& machining, const CamValueQuery& query)
{
    if (query.name == Info::MachiningType)
        return MakeOwnedValue<Cam::StringValue>(query.appType);
    if (query.name == Info::OrderNo)
        return readOrder(machining);
    if (query.name == Info::Description)
        return ReadDescription(machining);
    return BorrowValue(findGroupedParameter(machining, query.id));
}

bool writeMachiningValue(Cam::Machining& machining, const CamValueQuery& query, const Cam::BaseValue& value)
{
    if (query.name == Info::Description)
        return WriteDescription(machining, value);
    if (query.name == Info::OrderNo)
        return writeOrder(machining, value);
    Cam::Parameters::MutableEnumerator values = machining.GetParameters().GetEnumerator();
    while (values.MoveNext())
        if (Cam::AggregateValue* group = values.GetValue()->AsAggregate())
            if (group->GetValue().TrySetValue(query.id, value))
                return true;
    return false;
}

} // namespace

const CamTypeValues MachiningProjectValues =
    HeldValues<Cam::MachiningProject, readProjectValue, writeProjectValue>::Routines;
const CamTypeValues MachiningGroupValues = HeldValues<Cam::MachiningGroup, readGroupValue, writeGroupValue>::Routines;
const CamTypeValues MachiningValues = HeldValues<Cam::Machining, readMachiningValue, writeMachiningValue>::Routines;

} // namespace Vireo::Cam::Pdm::internal
