// The catalogue's types of machining containers, geometry objects and tool parts.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamTables.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/Fixture.h"
#include "platform/cam/MachiningProject.h"
#include "platform/cam/ParameterIds.h"
#include "platform/cam/Part.h"
#include "platform/cam/SharedGeometrySet.h"

namespace Vireo::Cam::Pdm {

namespace {

using namespace internal;
namespace Common = HostIds::Common;
constexpr std::wstring_view name = CamConsts::AnyObjectInfo::Name;
const UniqueIdentifier& computed = UniqueIdentifier::Null;

void addContainers(CamTypeMap& types)
{
    using Project = CamConsts::MachiningProjectInfo;
    types.emplace(Project::Type, PdmCamType::Make<Cam::MachiningProject>(
                                     MachiningProjectValues, {{name, Common::Name}, {Project::Description, Common::Description}}));
    using Group = CamConsts::MachiningGroupInfo;
    types.emplace(Group::Type, PdmCamType::Make<Cam::MachiningGroup>(MachiningGroupValues, {{name, Common::Name},
                                                                       {Group::Description, Common::Description},
                                                                       {Group::OrderNo, Common::OrderNo}}));
}

// Sizes of parts, fixtures and shared sets are measured on their bodies, not host parameters.
template <class I>
PdmCamType::ParameterMap measuredParameters()
{
    return {{name, Common::Name},
            {I::Description, Common::Description},
            {I::Length, computed},
            {I::Height, computed},
            {I::Width, computed}};
}

void addGeometryObjects(CamTypeMap& types)
{
    using PartInfo = CamConsts::PartInfo;
    PdmCamType::ParameterMap part = measuredParameters<PartInfo>();
    part.insert({{PartInfo::Weight, computed}, {PartInfo::Material, computed}, {PartInfo::Coating, computed}});
    types.emplace(PartInfo::Type, PdmCamType::Make<Cam::Part>(PartValues, std::move(part)));
    types.emplace(CamConsts::FixtureInfo::Type,
                  PdmCamType::Make<Cam::Fixture>(FixtureValues, measuredParameters<CamConsts::FixtureInfo>()));
    types.emplace(CamConsts::SharedGeometrySetInfo::Type,
                  PdmCamType::Make<Cam::SharedGeometrySet>(SharedGeometrySetValues, measuredParameters<CamConsts::SharedGeometrySetInfo>(),
                                                           HostIds::SharedGeometrySetClass));
}

// Tool parts are no host objects with parameters: every value goes through their accessors.
void addToolParts(CamTypeMap& types)
{
    using Shank = CamConsts::ToolShankInfo;
    types.emplace(Shank::Type, PdmCamType::Make<Cam::ToolShankProp>(ShankValues, {{Shank::Diameter, computed},
                                                                      {Shank::Length, computed},
                                                                      {Shank::ConeType, computed},
                                                                      {Shank::ConeLength, computed},
                                                                      {Shank::ConeAngle, computed},
                                                                      {Shank::CommonLength, computed}}));
    using Holder = CamConsts::ToolHolderInfo;
    types.emplace(Holder::Type,
                  PdmCamType::Make<Cam::ToolHolderProp>(HolderValues, {{name, computed}, {Holder::CommonLength, computed}}));
    using Extension = CamConsts::ToolExtensionInfo;
    types.emplace(Extension::Type,
                  PdmCamType::Make<Cam::ToolExtensionProp>(ExtensionValues, {{name, computed}, {Extension::CommonLength, computed}}));
    using Item = CamConsts::ToolItemInfo;
    types.emplace(Item::Type, PdmCamType::Make<Cam::ToolAdditionalParams>(ToolItemValues, {{name, computed},
                                                                            {Item::BottomDiameter, computed},
                                                                            {Item::TopDiameter, computed},
                                                                            {Item::Length, computed},
                                                                            {Item::RoundingRadius, computed}}));
}

} // namespace

void AddContainerAndPartTypes(CamTypeMap& types)
{
    addContainers(types);
    addGeometryObjects(types);
    addToolParts(types);
}

} // namespace Vireo::Cam::Pdm
