#include "platform/cam/MachiningGroup.h"

#include "platform/cam/ObjectIcons.h"
#include "platform/cam/ParameterIds.h"
#include "platform/cam/ParameterText.h"
#include "platform/host/HostObjectTypes.h"

namespace Vireo::Cam {

MachiningGroup::MachiningGroup(CZkw32Doc* doc) : GeometrySetOwnerObject(doc), machinings_(*this), childGroups_(*this)
{
    DeclareDescription();
    parameters_.Add(HostIds::Common::OrderNo, std::make_unique<IntValue>(0));
}

int MachiningGroup::GetObjType() const
{
    return ZKObjectTypes::CamMachiningGroup;
}

unsigned MachiningGroup::GetIconID() const
{
    return Icons::MachiningGroup;
}

void MachiningGroup::RegenerateSelf()
{
    ++regenerations_;
}

void MachiningGroup::SaveState(Host::TextNode& node) const
{
    GeometrySetOwnerObject::SaveState(node);
    SaveIds(node, L"machinings", machinings_.GetIds());
    SaveIds(node, L"child-groups", childGroups_.GetIds());
}

void MachiningGroup::LoadState(const Host::TextNode& node)
{
    GeometrySetOwnerObject::LoadState(node);
    machinings_.SetIds(LoadIds(node, L"machinings"));
    childGroups_.SetIds(LoadIds(node, L"child-groups"));
}

} // namespace Vireo::Cam
