// The 17 machining types of the catalogue: the strategy kind behind each and the parameters.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamTables.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/ParameterIds.h"
#include "platform/cam/Strategy.h"

namespace Vireo::Cam::Pdm {

namespace {

namespace Kinds = HostIds::StrategyKinds;
namespace Params = HostIds::MachiningParams;
using I = CamConsts::MachiningStepsInfo;
using Parameters = PdmCamType::ParameterMap;

void add(CamTypeMap& types, std::wstring_view type, Parameters parameters, const UniqueIdentifier& kind)
{
    types.emplace(type, PdmCamType::Make<Cam::IStrategy>(internal::MachiningValues, std::move(parameters), kind));
}

// Name, description, order and the usual feed and spindle speed, with more parameters.
Parameters withCommon(Parameters more)
{
    Parameters parameters{{CamConsts::AnyObjectInfo::Name, HostIds::Common::Name},
                          {I::Description, HostIds::Common::Description},
                          {I::OrderNo, HostIds::Common::OrderNo},
                          {I::FeedRate, Params::Feed},
                          {I::SpindleSpeed, Params::SpindleSpeed}};
    parameters.merge(more);
    return parameters;
}

Parameters offsets()
{
    return {{I::PartAllowance, Params::PartAllowance},
            {I::Offset, Params::Offset},
            {I::AxialOffset, Params::AxialOffset},
            {I::RadialOffset, Params::RadialOffset}};
}

Parameters layers(const UniqueIdentifier& passStep)
{
    Parameters parameters = offsets();
    parameters.insert({{I::Depth, Params::Depth},
                       {I::LayerNumber, Params::LayerNumber},
                       {I::DepthStep, Params::DepthStep},
                       {I::PassStep, passStep}});
    return parameters;
}

Parameters withDepthStep(Parameters parameters)
{
    parameters.emplace(I::DepthStep, Params::DepthStep);
    return parameters;
}

void addMilling(CamTypeMap& types)
{
    add(types, CamConsts::RoughMillingMachiningInfo::Type, withCommon(layers(Params::PassStep)), Kinds::MillLayers);
    add(types, CamConsts::TwoAxisProfileMillingMachiningInfo::Type, withCommon(layers(Params::PassStep)),
        Kinds::MillContour);
    Parameters surface = offsets();
    surface.emplace(I::PassStep, Params::PassStep);
    add(types, CamConsts::ConstantCuspMillingMachiningInfo::Type, withCommon(std::move(surface)), Kinds::MillSurface);
    // Face milling has a feed and a spindle speed of its own.
    add(types, CamConsts::PlanesMillingMachiningInfo::Type,
        {{CamConsts::AnyObjectInfo::Name, HostIds::Common::Name},
         {I::Description, HostIds::Common::Description},
         {I::OrderNo, HostIds::Common::OrderNo},
         {I::FeedRate, Params::FaceFeed},
         {I::SpindleSpeed, Params::FaceSpindleSpeed},
         {I::Offset, Params::Offset},
         {I::Depth, Params::Depth},
         {I::LayerNumber, Params::LayerNumber},
         {I::DepthStep, Params::DepthStep},
         {I::PassStep, Params::PassStep}},
        Kinds::MillFace);
    add(types, CamConsts::PlungeMillingMachiningInfo::Type, withCommon(layers(Params::PlungePassStep)),
        Kinds::MillPlunge);
    Parameters curve = offsets();
    curve.insert({{I::LayerNumber, Params::LayerNumber},
                  {I::DepthStep, Params::DepthStep},
                  {I::PassStep, Params::PassStep}});
    add(types, CamConsts::ThreeAxisProfileMillingMachiningInfo::Type, withCommon(std::move(curve)), Kinds::MillCurve);
}

void addTurning(CamTypeMap& types)
{
    add(types, CamConsts::RoughTurningMachiningInfo::Type, withCommon(withDepthStep(offsets())), Kinds::TurnLayers);
    add(types, CamConsts::FaceTurningMachiningInfo::Type, withCommon({{I::Offset, Params::Offset}}), Kinds::TurnFace);
    add(types, CamConsts::ContourTurningMachiningInfo::Type, withCommon(withDepthStep(offsets())), Kinds::TurnContour);
    add(types, CamConsts::CutOffTurningMachiningInfo::Type, withCommon({{I::Offset, Params::Offset}}),
        Kinds::TurnCutOff);
    add(types, CamConsts::GrooveTurningMachiningInfo::Type, withCommon(withDepthStep(offsets())), Kinds::TurnGroove);
}

void addHoleMaking(CamTypeMap& types)
{
    add(types, CamConsts::HoleDrillingMachiningInfo::Type, withCommon({}), Kinds::HoleDrill);
    add(types, CamConsts::CentreDrillingMachiningInfo::Type, withCommon({}), Kinds::HoleCentre);
    add(types, CamConsts::CountersinkingMachiningInfo::Type, withCommon({}), Kinds::HoleCountersink);
    add(types, CamConsts::ReamingMachiningInfo::Type, withCommon({}), Kinds::HoleReam);
    add(types, CamConsts::CounterboringMachiningInfo::Type, withCommon({}), Kinds::HoleCounterbore);
    add(types, CamConsts::TappingMachiningInfo::Type, withCommon({}), Kinds::HoleThread);
}

} // namespace

void AddMachiningTypes(CamTypeMap& types)
{
    addMilling(types);
    addTurning(types);
    addHoleMaking(types);
}

} // namespace Vireo::Cam::Pdm
