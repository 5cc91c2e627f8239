// Values of parts, fixtures and shared geometry sets: descriptions, measured sizes, and the
// mass, material and coating of parts.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/internal/CamValueAccess.h"
#include "pdm/cam/internal/MaterialByName.h"

#include "platform/cam/Fixture.h"
#include "platform/cam/Part.h"
#include "platform/cam/SharedGeometrySet.h"

#include <optional>

namespace Vireo::Cam::Pdm::internal {

namespace {

using Info = CamConsts::PartInfo;

std::optional<int> measuredQuantity(std::wstring_view name)
{
    if (name == Info::Length)
        return Cam::MeasuredQuantities::Length;
    if (name == Info::Width)
        return Cam::MeasuredQuantities::Width;
    if (name == Info::Height)
        return Cam::MeasuredQuantities::Height;
    return std::nullopt;
}

// Description and measured sizes, which parts, fixtures and shared sets read alike.
CamValuePtr readDescribedAndMeasured(const Cam::ModelObject& object, const Cam::ObjectMeasurer& measurer,
                                     std::wstring_view name)
{
    if (name == Info::Description)
        return ReadDescription(object);
    const std::optional<int> quantity = measuredQuantity(name);
    if (!quantity)
        return nullptr;
    const std::optional<Cam::MeasureResult> measured = measurer.Measure(*quantity, Cam::LocalCoordinateSystem{});
    return measured ? MakeOwnedValue<Cam::DoubleValue>(measured->value, measured->unit) : nullptr;
}

CamValuePtr materialName(const Material3DBase* material)
{
    return MakeOwnedValue<Cam::StringValue>(material ? material->GetMaterialName() : std::wstring());
}

bool writeWeight(Cam::Part& part, const Cam::BaseValue& value)
{
    const Cam::DoubleValue* mass = value.AsDouble();
    if (!mass || (!part.IsMassDefault() && !mass->IsValueNotEqual(part.GetMass())))
        return false;
    part.SetMassDefault(false);
    part.SetMass(*mass);
    return true;
}

bool writeMaterial(Cam::Part& part, const Cam::BaseValue& value)
{
    const Cam::StringValue* name = value.AsString();
    if (!name)
        return false;
    Cam::PartVisualProperty& visual = part.GetVisualProperty();
    const MaterialTarget target{
        [&visual] { return visual.GetMaterial(); },
        [&visual] { visual.SetGenericMaterialDerived(false); },
        [&visual](CZkw32Doc* doc, std::wstring_view material) { visual.SetMaterial(doc, material, -1); }};
    return SetMaterialByName(part.GetDocument(), target, name->GetValue());
}

bool writeCoating(Cam::Part& part, const Cam::BaseValue& value)
{
    const Cam::StringValue* name = value.AsString();
    if (!name)
        return false;
    const MaterialTarget target{
        [&part] { return part.GetCoatingMaterial(); },
        [&part] { part.SetCoatingMaterialDerived(false); },
        [&part](CZkw32Doc* doc, std::wstring_view material) { part.SetCoatingMaterial(doc, material, -1); }};
    return SetMaterialByName(part.GetDocument(), target, name->GetValue());
}

CamValuePtr readPartValue(Cam::Part& part, const CamValueQuery& query)
{
    const std::wstring_view name = query.name;
    const Material3DBase* material = part.GetVisualProperty().GetMaterial();
    if (name == Info::Weight)
        return material ? MakeOwnedValue<Cam::DoubleValue>(part.GetMass())
                        : MakeOwnedValue<Cam::DoubleValue>(0.0, zktypes::ZKUnits::Kilogram);
    if (name == Info::Material)
        return materialName(material);
    if (name == Info::Coating)
        return materialName(part.GetCoatingMaterial());
    return readDescribedAndMeasured(part, part.Measurer(), name);
}

bool writePartValue(Cam::Part& part, const CamValueQuery& query, const Cam::BaseValue& value)
{
    const std::wstring_view name = query.name;
    if (name == Info::Description)
        return WriteDescription(part, value);
    if (name == Info::Weight)
        return writeWeight(part, value);
    if (name == Info::Material)
        return writeMaterial(part, value);
    if (name == Info::Coating)
        return writeCoating(part, value);
    return false;
}

template <class T>
CamValuePtr readMeasuredValue(T& object, const CamValueQuery& query)
{
    return readDescribedAndMeasured(object, object.Measurer(), query.name);
}

// Fixtures and shared sets take only their description.
template <class T>
bool writeMeasuredValue(T& object, const CamValueQuery& query, const Cam::BaseValue& value)
{
    return query.name == Info::Description && WriteDescription(object, value);
}

} // namespace

const CamTypeValues PartValues = HeldValues<Cam::Part, readPartValue, writePartValue>::Routines;
const CamTypeValues FixtureValues =
    HeldValues<Cam::Fixture, readMeasuredValue<Cam::Fixture>, writeMeasuredValue<Cam::Fixture>>::Routines;
const CamTypeValues SharedGeometrySetValues =
    HeldValues<Cam::SharedGeometrySet, readMeasuredValue<Cam::SharedGeometrySet>,
               writeMeasuredValue<Cam::SharedGeometrySet>>::Routines;

} // namespace Vireo::Cam::Pdm::internal
