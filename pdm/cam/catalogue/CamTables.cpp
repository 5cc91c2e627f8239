// The four tables of the catalogue, defined in one place so that they are built in this
// order when the module loads.

#include "pdm/cam/CamTables.h"

#include "pdm/cam/CamConsts.h"

#include "platform/cam/ParameterIds.h"

namespace Vireo::Cam::Pdm {

namespace {

namespace C = CamConsts;

CamTypeMap makeCamTypes()
{
    CamTypeMap types;
    AddToolTypes(types);
    AddMachiningTypes(types);
    AddStockTypes(types);
    AddContainerAndPartTypes(types);
    return types;
}

std::set<std::wstring_view> toolTypes()
{
    return {C::CylindricalMillInfo::Type,
            C::SphericalMillInfo::Type,
            C::ChamferMillInfo::Type,
            C::BullnoseMillInfo::Type,
            C::ConvexTipMillInfo::Type,
            C::DoveMillInfo::Type,
            C::LollipopMillInfo::Type,
            C::SlotMillInfo::Type,
            C::BarrelMillInfo::Type,
            C::ThreadMillInfo::Type,
            C::TwistDrillInfo::Type,
            C::CentreDrillInfo::Type,
            C::CountersinkInfo::Type,
            C::ReamerInfo::Type,
            C::CounterboreInfo::Type,
            C::TapInfo::Type,
            C::TwoEdgeTurningCutterInfo::Type,
            C::RomboidTurningCutterInfo::Type,
            C::ParallelogramTurningCutterInfo::Type,
            C::TriangleTurningCutterInfo::Type,
            C::CircleTurningCutterInfo::Type,
            C::PolygonalTurningCutterInfo::Type,
            C::ParallelogramGrooveCutterInfo::Type};
}

std::set<std::wstring_view> stockTypes()
{
    return {C::BodyStockInfo::Type,
            C::BlockStockInfo::Type,
            C::CylinderStocknfo::Type,
            C::ProfileExtrusionStockInfo::Type,
            C::ContourRotationStockInfo::Type,
            C::CutRotationStockInfo::Type};
}

std::set<std::wstring_view> machiningTypes()
{
    return {C::RoughMillingMachiningInfo::Type,
            C::TwoAxisProfileMillingMachiningInfo::Type,
            C::ConstantCuspMillingMachiningInfo::Type,
            C::PlanesMillingMachiningInfo::Type,
            C::PlungeMillingMachiningInfo::Type,
            C::ThreeAxisProfileMillingMachiningInfo::Type,
            C::RoughTurningMachiningInfo::Type,
            C::FaceTurningMachiningInfo::Type,
            C::ContourTurningMachiningInfo::Type,
            C::CutOffTurningMachiningInfo::Type,
            C::GrooveTurningMachiningInfo::Type,
            C::HoleDrillingMachiningInfo::Type,
            C::CentreDrillingMachiningInfo::Type,
            C::CountersinkingMachiningInfo::Type,
            C::ReamingMachiningInfo::Type,
            C::CounterboringMachiningInfo::Type,
            C::TappingMachiningInfo::Type};
}

GenericCamTypeMap makeGenericCamTypes()
{
    return {{C::ToolInfo::Type, {toolTypes(), C::ToolInfo::ToolType}},
            {C::StockInfo::Type, {stockTypes(), C::StockInfo::StockType}},
            {C::MachiningInfo::Type, {machiningTypes(), C::MachiningInfo::MachiningType}}};
}

ChildCamTypeMap makeChildCamTypes()
{
    const std::vector<std::wstring_view> machiningContainerChildren{
        C::MachiningGroupInfo::Type, C::MachiningInfo::Type, C::PartInfo::Type, C::StockInfo::Type,
        C::FixtureInfo::Type};
    return {
        {C::MachiningProjectInfo::Type, machiningContainerChildren},
        {C::MachiningGroupInfo::Type, machiningContainerChildren},
        {C::MachiningInfo::Type, {C::PartInfo::Type, C::StockInfo::Type, C::FixtureInfo::Type, C::ToolInfo::Type}},
        {C::AnyObjectInfo::Type, {}},
        {C::SharedGeometrySetInfo::Type, {C::StockInfo::Type, C::PartInfo::Type, C::FixtureInfo::Type}},
        {C::MachiningProjectsFolderInfo::Type, {C::MachiningProjectInfo::Type}},
        {C::SharedGeometrySetsFolderInfo::Type, {C::SharedGeometrySetInfo::Type}},
        {C::ToolsFolderInfo::Type, {C::ToolInfo::Type}},
        {C::ToolInfo::Type, {C::ToolShankInfo::Type, C::ToolExtensionInfo::Type, C::ToolHolderInfo::Type}},
        {C::ToolExtensionInfo::Type, {C::ToolItemInfo::Type}},
        {C::ToolHolderInfo::Type, {C::ToolItemInfo::Type}},
        {C::MachineSetupsFolderInfo::Type, {}},
    };
}

// Shoulder diameter, neck length and useful length exist only while the shoulder is on.
ToolShoulderMap makeToolShoulders()
{
    namespace P = HostIds::ToolParams;
    const std::pair<std::wstring_view, UniqueIdentifier> shoulderedTools[] = {
        {C::CylindricalMillInfo::Type, P::MillEnd::Shoulder}, {C::SphericalMillInfo::Type, P::MillSphere::Shoulder},
        {C::ChamferMillInfo::Type, P::MillTaper::Shoulder},   {C::BullnoseMillInfo::Type, P::MillRadius::Shoulder},
        {C::TwistDrillInfo::Type, P::Drill::Shoulder},        {C::ReamerInfo::Type, P::Reamer::Shoulder}};
    ToolShoulderMap shoulders;
    for (const auto& [type, shoulder] : shoulderedTools)
        for (std::wstring_view length :
             {C::ShoulderInfo::ShoulderDiameter, C::ShoulderInfo::NeckLength, C::ShoulderInfo::UsefulLength})
            shoulders.emplace(CamTypeParameter(type, length), std::pair(shoulder, true));
    return shoulders;
}

} // namespace

const CamTypeMap CamTypes = makeCamTypes();
const GenericCamTypeMap GenericCamTypes = makeGenericCamTypes();
const ChildCamTypeMap ChildCamTypes = makeChildCamTypes();
const ToolShoulderMap ToolShoulders = makeToolShoulders();

} // namespace Vireo::Cam::Pdm
