#include "platform/cam/MachiningProject.h"

#include "platform/cam/ObjectIcons.h"
#include "platform/cam/ParameterText.h"
#include "platform/host/HostObjectTypes.h"

namespace Vireo::Cam {

MachiningProject::MachiningProject(CZkw32Doc* doc) : GeometrySetOwnerObject(doc), machinings_(*this), groups_(*this)
{
    DeclareDescription();
}

int MachiningProject::GetObjType() const
{
    return ZKObjectTypes::CamMachiningProject;
}

unsigned MachiningProject::GetIconID() const
{
    return Icons::MachiningProject;
}

void MachiningProject::SaveState(Host::TextNode& node) const
{
    GeometrySetOwnerObject::SaveState(node);
    SaveIds(node, L"machinings", machinings_.GetIds());
    SaveIds(node, L"groups", groups_.GetIds());
}

void MachiningProject::LoadState(const Host::TextNode& node)
{
    GeometrySetOwnerObject::LoadState(node);
    machinings_.SetIds(LoadIds(node, L"machinings"));
    groups_.SetIds(LoadIds(node, L"groups"));
}

} // namespace Vireo::Cam
