// Creating machinings, machining groups and machining projects for the catalogue.

#include "pdm/cam/internal/CamObjectCreation.h"

#include "platform/cam/Model.h"

namespace Vireo::Cam::Pdm::internal {

namespace {

// A new machining in the list of the parent group or project, or null.
Cam::Machining* createListedMachining(CZKObject* parent)
{
    if (auto* group = ObjectAs<Cam::MachiningGroup>(parent))
        return group->GetMachinings().Create();
    if (auto* project = ObjectAs<Cam::MachiningProject>(parent))
        return project->GetMachinings().Create();
    return nullptr;
}

Cam::MachiningGroup* createListedGroup(CZkw32Doc* doc, CZKObject* parent)
{
    if (auto* parentGroup = ObjectAs<Cam::MachiningGroup>(parent)) {
        Cam::MachiningGroup* group = Cam::Model(doc).GetMachiningGroups().Create();
        if (group)
            parentGroup->GetChildGroups().Add(group);
        return group;
    }
    if (auto* project = ObjectAs<Cam::MachiningProject>(parent))
        return project->GetMachiningGroups().Create();
    return nullptr;
}

} // namespace

CamObject CreateMachining(CZkw32Doc*, const CamObject& parent, const UniqueIdentifier& strategyKind)
{
    std::unique_ptr<Cam::IStrategy> strategy = Cam::GetDefaultStrategyFactory().Create(strategyKind);
    if (!strategy)
        return CamObject();
    CZKObject* parentObject = DocumentObjectOf(parent);
    Cam::Machining* machining = createListedMachining(parentObject);
    if (!machining)
        return CamObject();
    machining->TrySetParentGeometrySetOwner(parentObject);
    machining->SetStrategy(std::move(strategy));
    return CamObject(static_cast<CZKObject*>(machining));
}

CamObject CreateMachiningProject(CZkw32Doc* doc)
{
    return CamObject(static_cast<CZKObject*>(Cam::Model(doc).GetMachiningProjects().Create()));
}

CamObject CreateMachiningGroup(CZkw32Doc* doc, const CamObject& parent)
{
    CZKObject* parentObject = DocumentObjectOf(parent);
    Cam::MachiningGroup* group = createListedGroup(doc, parentObject);
    if (!group)
        return CamObject();
    group->TrySetParentGeometrySetOwner(parentObject);
    group->RegenerateSelf();
    return CamObject(static_cast<CZKObject*>(group));
}

} // namespace Vireo::Cam::Pdm::internal
