// Values of stocks: kind selector, description, material, mass, material utilisation and the
// dimensions, which depend on the host stock type and bounding shape.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/internal/CamValueAccess.h"
#include "pdm/cam/internal/MaterialByName.h"

#include "platform/cam/Stock.h"

#include <optional>

namespace Vireo::Cam::Pdm::internal {

namespace {

using Info = CamConsts::StockInfo;

namespace Dimensions {
constexpr int Length = 0;
constexpr int Width = 1;
constexpr int Height = 2;
constexpr int Diameter = 3;
} // namespace Dimensions

// The stock's mass: computed from its own volume while the mass is default, else entered.
zkaux::RealParameter stockMass(Cam::Stock& stock, const Material3DBase& material)
{
    const Cam::MaterialUtilStockProp& util = stock.GetMaterialUtilProp();
    if (util.IsMassDefault())
        return util.CalculateMass({&stock}, &material);
    return util.GetMass();
}

CamValuePtr readWeight(Cam::Stock& stock)
{
    const Material3DBase* material = stock.GetMaterialUtilProp().GetFinalMaterial();
    if (!material)
        return MakeOwnedValue<Cam::DoubleValue>(0.0, zktypes::ZKUnits::Kilogram);
    return MakeOwnedValue<Cam::DoubleValue>(Cam::DoubleValue::FromRealParameter(stockMass(stock, *material)));
}

CamValuePtr readUtilization(Cam::Stock& stock)
{
    const Cam::MaterialUtilStockProp& util = stock.GetMaterialUtilProp();
    const Material3DBase* material = util.GetFinalMaterial();
    if (!material)
        return MakeOwnedValue<Cam::DoubleValue>(0.0);
    const std::vector<CZKObject*> parts =
        util.IsPartSelectVisible() ? util.GetObjects(false) : stock.GetReferencedObjects();
    const zkaux::RealParameter partMass = util.CalculateMass(parts, material);
    return MakeOwnedValue<Cam::DoubleValue>(util.CalculateMaterialUtil(partMass, stockMass(stock, *material)));
}

CamValuePtr readMaterial(const Cam::Stock& stock)
{
    const Material3DBase* material = stock.GetMaterialUtilProp().GetFinalMaterial();
    return MakeOwnedValue<Cam::StringValue>(material ? material->GetMaterialName() : std::wstring());
}

bool isCylinder(const Cam::Stock& stock)
{
    return stock.GetStockType() == Cam::StockTypes::Bounding &&
           stock.GetBoundingBodyProp().GetParameters().GetType() == Cam::BoundingShapes::Cylinder;
}

// Which dimension a size name reads; a cylinder gives its diameter for both length and width.
std::optional<int> dimensionIndex(const Cam::Stock& stock, std::wstring_view name)
{
    const bool cylinder = isCylinder(stock);
    if (stock.GetStockType() == Cam::StockTypes::Bounding && !cylinder &&
        stock.GetBoundingBodyProp().GetParameters().GetType() != Cam::BoundingShapes::Block)
        return std::nullopt;
    if (name == Info::Height)
        return Dimensions::Height;
    if (name == Info::Length)
        return cylinder ? Dimensions::Diameter : Dimensions::Length;
    if (name == Info::Width)
        return cylinder ? Dimensions::Diameter : Dimensions::Width;
    return std::nullopt;
}

CamValuePtr readDimension(const Cam::Stock& stock, int index)
{
    const double millimetres = stock.GetDimensionProp().GetDimension(index).ValueIn(zktypes::ZKUnits::Millimeter);
    return MakeOwnedValue<Cam::DoubleValue>(millimetres, zktypes::ZKUnits::Millimeter);
}

bool writeWeight(Cam::Stock& stock, const Cam::BaseValue& value)
{
    const Cam::DoubleValue* mass = value.AsDouble();
    Cam::MaterialUtilStockProp& util = stock.GetMaterialUtilProp();
    if (!mass || (!util.IsMassDefault() && !mass->IsValueNotEqual(util.GetMass())))
        return false;
    util.SetMassDefault(false);
    util.SetMass(mass->ToRealParameter(), true);
    return true;
}

bool writeMaterial(Cam::Stock& stock, const Cam::BaseValue& value)
{
    const Cam::StringValue* name = value.AsString();
    if (!name)
        return false;
    Cam::MaterialUtilStockProp& util = stock.GetMaterialUtilProp();
    util.SetMaterialUtilState(true);
    const MaterialTarget target{
        [&util] { return util.GetMaterial(); },
        [&util] { util.SetGenericMaterialDerived(false); },
        [&util](CZkw32Doc* doc, std::wstring_view material) { util.SetMaterial(doc, material, -1); }};
    return SetMaterialByName(stock.GetDocument(), target, name->GetValue());
}

bool writeCylinderType(Cam::Stock& stock, const Cam::BaseValue& value)
{
    const Cam::IntValue* type = value.AsInt();
    if (!type)
        return false;
    Cam::BoundingBodyStockProp& bounding = stock.GetBoundingBodyProp();
    if (type->GetValue() != bounding.GetThicknessType())
        bounding.SetThicknessType(type->GetValue());
    return true;
}

CamValuePtr readStockValue(Cam::Stock& stock, const CamValueQuery& query)
{
    const std::wstring_view name = query.name;
    if (name == Info::StockType)
        return MakeOwnedValue<Cam::StringValue>(query.appType);
    if (name == Info::Description)
        return ReadDescription(stock);
    if (name == Info::Weight)
        return readWeight(stock);
    if (name == Info::UtilizationRate)
        return readUtilization(stock);
    if (name == Info::Material)
        return readMaterial(stock);
    if (name == CamConsts::CylinderStocknfo::CylinderType)
        return isCylinder(stock) ? MakeOwnedValue<Cam::IntValue>(stock.GetBoundingBodyProp().GetThicknessType())
                                 : nullptr;
    const std::optional<int> dimension = dimensionIndex(stock, name);
    return dimension ? readDimension(stock, *dimension) : nullptr;
}

bool writeStockValue(Cam::Stock& stock, const CamValueQuery& query, const Cam::BaseValue& value)
{
    const std::wstring_view name = query.name;
    if (name == Info::Description)
        return WriteDescription(stock, value);
    if (name == Info::Weight)
        return writeWeight(stock, value);
    if (name == Info::Material)
        return writeMaterial(stock, value);
    if (name == CamConsts::CylinderStocknfo::CylinderType)
        return writeCylinderType(stock, value);
    return false;
}

} // namespace

const CamTypeValues StockValues = HeldValues<Cam::Stock, readStockValue, writeStockValue>::Routines;

} // namespace Vireo::Cam::Pdm::internal
