// The six stock types of the catalogue. Block and cylinder are both bounding stocks and
// differ in the bounding shape, which the discriminator's integer gives.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamTables.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/ParameterIds.h"
#include "platform/cam/Stock.h"

namespace Vireo::Cam::Pdm {

namespace {

using I = CamConsts::StockInfo;
namespace Kinds = HostIds::StockKinds;

// Material, utilisation, mass and dimensions are computed by the adapter, not host parameters.
PdmCamType::ParameterMap stockParameters()
{
    const UniqueIdentifier& computed = UniqueIdentifier::Empty();
    return {{CamConsts::AnyObjectInfo::Name, HostIds::Common::Name},
            {I::Description, HostIds::Common::Description},
            {I::Material, computed},
            {I::UtilizationRate, computed},
            {I::Weight, computed},
            {I::Length, computed},
            {I::Height, computed},
            {I::Width, computed}};
}

void add(CamTypeMap& types, std::wstring_view type, PdmCamType::ParameterMap parameters, const UniqueIdentifier& kind,
         std::int32_t boundingShape = 0)
{
    types.emplace(type, PdmCamType::Make<Cam::Stock>(internal::StockValues, std::move(parameters), kind,
                                                      {UniqueIdentifier::Empty(), boundingShape}));
}

} // namespace

void AddStockTypes(CamTypeMap& types)
{
    add(types, CamConsts::BodyStockInfo::Type, stockParameters(), Kinds::Body);
    add(types, CamConsts::BlockStockInfo::Type, stockParameters(), Kinds::Bounding, Cam::BoundingShapes::Block);
    PdmCamType::ParameterMap cylinder = stockParameters();
    cylinder.emplace(CamConsts::CylinderStocknfo::CylinderType, UniqueIdentifier::Empty());
    add(types, CamConsts::CylinderStocknfo::Type, std::move(cylinder), Kinds::Bounding, Cam::BoundingShapes::Cylinder);
    add(types, CamConsts::ProfileExtrusionStockInfo::Type, stockParameters(), Kinds::Extrusion);
    add(types, CamConsts::ContourRotationStockInfo::Type, stockParameters(), Kinds::Rotation);
    add(types, CamConsts::CutRotationStockInfo::Type, stockParameters(), Kinds::Section);
}

} // namespace Vireo::Cam::Pdm
