#include "platform/cam/Fixture.h"

#include "platform/cam/BodyText.h"
#include "platform/cam/ObjectIcons.h"
#include "platform/host/HostObjectTypes.h"

namespace Vireo::Cam {

Fixture::Fixture(CZkw32Doc* doc) : ModelObject(doc)
{
    DeclareDescription();
}

int Fixture::GetObjType() const
{
    return ZKObjectTypes::CamFixture;
}

unsigned Fixture::GetIconID() const
{
    return Icons::Fixture;
}

void Fixture::SaveState(Host::TextNode& node) const
{
    ModelObject::SaveState(node);
    SaveBody(node, body_);
}

void Fixture::LoadState(const Host::TextNode& node)
{
    ModelObject::LoadState(node);
    body_ = LoadBody(node);
}

MachineSetup::MachineSetup(CZkw32Doc* doc) : ModelObject(doc)
{
    DeclareDescription();
}

int MachineSetup::GetObjType() const
{
    return ZKObjectTypes::CamMachineSetup;
}

unsigned MachineSetup::GetIconID() const
{
    return Icons::MachineSetup;
}

} // namespace Vireo::Cam
