// The 23 tool types of the catalogue: the tool-logic kind behind each, the insert shape that
// tells the turning and grooving types of one kind apart, and the parameters.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamTables.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/ParameterIds.h"
#include "platform/cam/ToolLogic.h"

namespace Vireo::Cam::Pdm {

namespace {

namespace Kinds = HostIds::ToolKinds;
namespace Params = HostIds::ToolParams;
constexpr std::wstring_view name = CamConsts::AnyObjectInfo::Name;
const UniqueIdentifier& nameId = HostIds::Common::Name;

void add(CamTypeMap& types, std::wstring_view type, PdmCamType::ParameterMap parameters, const UniqueIdentifier& kind,
         CamTypeDiscriminator discriminator = {UniqueIdentifier::Empty(), 0})
{
    types.emplace(type, PdmCamType::Make<Cam::IToolLogic>(internal::ToolValues, std::move(parameters), kind, discriminator));
}

void addMills(CamTypeMap& types)
{
    {
        using I = CamConsts::CylindricalMillInfo;
        namespace P = Params::MillEnd;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L}, {I::Shoulder, P::Shoulder},
             {I::ShoulderDiameter, P::Ds}, {I::NeckLength, P::Ln}, {I::LengthMode, P::LengthMode},
             {I::UsefulLength, P::Lu}, {I::TeethNumber, P::Z}},
            Kinds::MillEnd);
    }
    {
        using I = CamConsts::SphericalMillInfo;
        namespace P = Params::MillSphere;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L}, {I::Shoulder, P::Shoulder},
             {I::ShoulderDiameter, P::Ds}, {I::NeckLength, P::Ln}, {I::LengthMode, P::LengthMode},
             {I::UsefulLength, P::Lu}, {I::TeethNumber, P::Z}},
            Kinds::MillSphere);
    }
    {
        using I = CamConsts::ChamferMillInfo;
        namespace P = Params::MillTaper;
        add(types, I::Type,
            {{name, nameId}, {I::TipWidth, P::W}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L},
             {I::CornerRadius, P::R}, {I::ChamferAngle, P::A}, {I::Shoulder, P::Shoulder},
             {I::ShoulderDiameter, P::Ds}, {I::NeckLength, P::Ln}, {I::LengthMode, P::LengthMode},
             {I::UsefulLength, P::Lu}, {I::TeethNumber, P::Z}},
            Kinds::MillTaper);
    }
    {
        using I = CamConsts::BullnoseMillInfo;
        namespace P = Params::MillRadius;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L}, {I::CornerRadius, P::R},
             {I::Shoulder, P::Shoulder}, {I::ShoulderDiameter, P::Ds}, {I::NeckLength, P::Ln},
             {I::LengthMode, P::LengthMode}, {I::UsefulLength, P::Lu}, {I::TeethNumber, P::Z}},
            Kinds::MillRadius);
    }
    {
        using I = CamConsts::ConvexTipMillInfo;
        namespace P = Params::MillConvex;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L}, {I::CornerRadius, P::CR},
             {I::TipRadius, P::TR}, {I::FlankRadius, P::FR}},
            Kinds::MillConvex);
    }
    {
        using I = CamConsts::DoveMillInfo;
        namespace P = Params::MillDove;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L}, {I::CornerRadius, P::R},
             {I::DoveAngle, P::A}, {I::NeckDiameter, P::Ds}, {I::FlankDiameter, P::Df}, {I::TeethNumber, P::Z}},
            Kinds::MillDove);
    }
    {
        using I = CamConsts::LollipopMillInfo;
        namespace P = Params::MillLollipop;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::NeckDiameter, P::Ds}, {I::Length, P::L},
             {I::TeethNumber, P::Z}},
            Kinds::MillLollipop);
    }
    {
        using I = CamConsts::SlotMillInfo;
        namespace P = Params::MillSlot;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::NeckDiameter, P::Ds}, {I::CutLength, P::Lw}, {I::Length, P::L},
             {I::CornerType, P::CornerType}, {I::LowerCornerRadius, P::R1}, {I::UpperCornerRadius, P::R2},
             {I::LowerChamferWidth, P::B1}, {I::LowerChamferHeight, P::C1}, {I::UpperChamferWidth, P::B2},
             {I::UpperChamferHeight, P::C2}, {I::TeethNumber, P::Z}},
            Kinds::MillSlot);
    }
    {
        using I = CamConsts::BarrelMillInfo;
        namespace P = Params::MillBarrel;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::TipDiameter, P::SD}, {I::CutLength, P::Lw}, {I::Length, P::L},
             {I::BarrelRadius, P::CR}},
            Kinds::MillBarrel);
    }
    {
        using I = CamConsts::ThreadMillInfo;
        namespace P = Params::ThreadMill;
        add(types, I::Type,
            {{name, nameId},
             {I::Diameter, P::D},
             {I::CutLength, P::Lw},
             {I::Length, P::L},
             {I::ThreadType, P::Type},
             {I::ThreadAngle, P::A},
             {I::NeckDiameter, P::Ds},
             {I::FlankDiameter, P::Df},
             {I::Pitch, P::P},
             {I::ThreadsPerInch, P::TPI},
             {I::IsPitch, P::IsPitch},
             {I::MinPitch, P::Pmin},
             {I::MaxPitch, P::Pmax},
             {I::MinThreadsPerInch, P::TPImin},
             {I::MaxThreadsPerInch, P::TPImax},
             {I::SinglePitchMode, P::SinglePitchMode},
             {I::MultiPitchMode, P::MultiPitchMode},
             {I::CutMode, P::CutMode},
             {I::CuttingLength, P::Lc},
             {I::CuttingRowsNumber, P::Nc},
             {I::TeethNumber, P::Z}},
            Kinds::ThreadMill);
    }
}

void addHoleTools(CamTypeMap& types)
{
    {
        using I = CamConsts::TwistDrillInfo;
        namespace P = Params::Drill;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L}, {I::PointAngle, P::A},
             {I::Shoulder, P::Shoulder}, {I::ShoulderDiameter, P::Ds}, {I::NeckLength, P::Ln},
             {I::LengthMode, P::LengthMode}, {I::UsefulLength, P::Lu}, {I::TeethNumber, P::Z}},
            Kinds::Drill);
    }
    {
        using I = CamConsts::CentreDrillInfo;
        namespace P = Params::CentreDrill;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L}, {I::ShankDiameter, P::B},
             {I::CountersinkDiameter, P::Da}, {I::CountersinkLength, P::La}, {I::CountersinkAngle, P::A},
             {I::TeethNumber, P::Z}},
            Kinds::CentreDrill);
    }
    {
        using I = CamConsts::CountersinkInfo;
        namespace P = Params::Countersink;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L},
             {I::CountersinkAngle, P::A}, {I::TipDiameter, P::Df}, {I::TeethNumber, P::Z}},
            Kinds::Countersink);
    }
    {
        using I = CamConsts::ReamerInfo;
        namespace P = Params::Reamer;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Shoulder, P::Shoulder},
             {I::Length, P::L}, {I::LeadAngle, P::A}, {I::LeadLength, P::La}, {I::ShoulderDiameter, P::Ds},
             {I::NeckLength, P::Ln}, {I::LengthMode, P::LengthMode}, {I::UsefulLength, P::Lu},
             {I::TeethNumber, P::Z}},
            Kinds::Reamer);
    }
    {
        using I = CamConsts::CounterboreInfo;
        namespace P = Params::Counterbore;
        add(types, I::Type,
            {{name, nameId}, {I::Diameter, P::D}, {I::CutLength, P::Lw}, {I::Length, P::L}, {I::CornerRadius, P::R},
             {I::PilotDiameter, P::Da}, {I::PilotLength, P::La}, {I::ChamferHeight, P::C}, {I::TeethNumber, P::Z}},
            Kinds::Counterbore);
    }
    {
        using I = CamConsts::TapInfo;
        namespace P = Params::Tap;
        add(types, I::Type,
            {{name, nameId}, {I::Direction, P::Direction}, {I::Diameter, P::D}, {I::CutLength, P::Lw},
             {I::Length, P::L}, {I::ShankDiameter, P::Ds}, {I::Pitch, P::P}, {I::LeadAngle, P::A},
             {I::LeadLength, P::La}, {I::ThreadLength, P::Lb}, {I::SquareSize, P::B}, {I::Standard, P::Standard},
             {I::ToleranceClass, P::K}, {I::TeethNumber, P::Z}},
            Kinds::Tap);
    }
}

// Insert and holder parameters that every turning insert shape has.
template <class I>
PdmCamType::ParameterMap turningParameters(PdmCamType::ParameterMap shapeParameters)
{
    namespace P = Params::TurnInsert;
    PdmCamType::ParameterMap parameters{
        {name, nameId},          {I::PlateType, P::PlateType},   {I::ToolSide, P::ToolSide},
        {I::Direction, P::Direction}, {I::ClearanceAngle, P::C}, {I::InsertThickness, P::S},
        {I::HolderType, P::HT},  {I::HolderLength, P::L},        {I::HolderWidth, P::W},
        {I::CutEdgeOffset, P::E}, {I::HeadLength, P::HL},        {I::HeadWidth, P::HW},
        {I::HolderHeight, P::HD}, {I::ShankSize, P::HS}};
    parameters.merge(shapeParameters);
    return parameters;
}

CamTypeDiscriminator insertShape(std::int32_t shape)
{
    return {Params::TurnInsertShape, shape};
}

void addTurningTools(CamTypeMap& types)
{
    namespace P = Params::TurnInsert;
    {
        using I = CamConsts::TwoEdgeTurningCutterInfo;
        add(types, I::Type,
            turningParameters<I>({{I::EdgeLength, P::A}, {I::SecondEdgeLength, P::Y}, {I::InsertWidth, P::B},
                                  {I::EdgeAngle, P::Aa}, {I::SecondEdgeAngle, P::Ay}, {I::CornerRadius, P::R}}),
            Kinds::TurnInsert, insertShape(0));
    }
    {
        using I = CamConsts::RomboidTurningCutterInfo;
        add(types, I::Type,
            turningParameters<I>({{I::InsertShape, P::Shape}, {I::InscribedDiameter, P::D}, {I::InsertAngle, P::B},
                                  {I::EdgeLength, P::Lc}, {I::FrontAngle, P::F}, {I::CornerRadius, P::R}}),
            Kinds::TurnInsert, insertShape(1));
    }
    {
        using I = CamConsts::ParallelogramTurningCutterInfo;
        add(types, I::Type,
            turningParameters<I>({{I::InsertShape, P::Shape}, {I::LongEdgeLength, P::La}, {I::ShortEdgeLength, P::Lb},
                                  {I::InsertAngle, P::B}, {I::FrontAngle, P::F}, {I::CornerRadius, P::R}}),
            Kinds::TurnInsert, insertShape(2));
    }
    {
        using I = CamConsts::TriangleTurningCutterInfo;
        add(types, I::Type,
            turningParameters<I>({{I::InsertShape, P::Shape}, {I::InscribedDiameter, P::D}, {I::InsertAngle, P::B},
                                  {I::FrontAngle, P::F}, {I::CornerRadius, P::R}}),
            Kinds::TurnInsert, insertShape(3));
    }
    {
        using I = CamConsts::CircleTurningCutterInfo;
        add(types, I::Type,
            turningParameters<I>({{I::InsertDiameter, P::D}, {I::InsertHeight, P::T}, {I::FrontAngle, P::F}}),
            Kinds::TurnInsert, insertShape(4));
    }
    {
        using I = CamConsts::PolygonalTurningCutterInfo;
        add(types, I::Type,
            turningParameters<I>({{I::InsertShape, P::Shape}, {I::InscribedDiameter, P::D}, {I::EdgeLength, P::Lc},
                                  {I::FrontAngle, P::F}, {I::CornerRadius, P::R}, {I::WedgeAngle, P::WA}}),
            Kinds::TurnInsert, insertShape(5));
    }
}

void addGroovingTools(CamTypeMap& types)
{
    using I = CamConsts::ParallelogramGrooveCutterInfo;
    namespace P = Params::GrooveInsert;
    add(types, I::Type,
        {{name, nameId},
         {I::PlateType, P::PlateType},
         {I::ToolSide, P::ToolSide},
         {I::Direction, P::Direction},
         {I::InsertLength, P::La},
         {I::CuttingWidth, P::Lb},
         {I::SideAngle, P::A},
         {I::LeftEdgeWidth, P::B1},
         {I::RightEdgeWidth, P::B2},
         {I::FrontAngle, P::F},
         {I::ClearanceAngle, P::C},
         {I::RadiusType, P::RadiusType},
         {I::LeftCornerRadius, P::R1},
         {I::RightCornerRadius, P::R2},
         {I::InsertThickness, P::S},
         {I::HolderType, P::HT},
         {I::HolderLength, P::L},
         {I::HeadWidth, P::HW},
         {I::WedgeAngle, P::WA},
         {I::HeadLength, P::HL},
         {I::HolderWidth, P::W},
         {I::HolderHeight, P::HD},
         {I::ShankSize, P::HS}},
        Kinds::GrooveInsert, {Params::GrooveInsertShape, 0});
}

} // namespace

void AddToolTypes(CamTypeMap& types)
{
    addMills(types);
    addHoleTools(types);
    addTurningTools(types);
    addGroovingTools(types);
}

} // namespace Vireo::Cam::Pdm
