#include "platform/cam/Stock.h"

#include "platform/cam/ObjectIcons.h"
#include "platform/cam/ParameterText.h"
#include "platform/cam/Part.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/host/Zkw32Doc.h"

#include <numbers>

namespace Vireo::Cam {
namespace {

using zktypes::ZKUnits::Kilogram;
using zktypes::ZKUnits::Millimeter;

std::vector<CZKObject*> resolve(const CZKObject& holder, const std::vector<ZKObjectID>& ids)
{
    std::vector<CZKObject*> objects;
    if (CZkw32Doc* doc = holder.GetDocumentPtr())
        for (ZKObjectID id : ids)
            if (CZKObject* object = doc->FindObject(id))
                objects.push_back(object);
    return objects;
}

std::vector<ZKObjectID> idsOf(const std::vector<CZKObject*>& objects)
{
    std::vector<ZKObjectID> ids;
    for (const CZKObject* object : objects)
        if (object)
            ids.push_back(object->GetID());
    return ids;
}

double volumeOf(const CZKObject* object)
{
    if (const auto* stock = dynamic_cast<const Stock*>(object))
        return stock->GetVolume();
    if (const auto* part = dynamic_cast<const Part*>(object))
        return part->GetVolume();
    return 0;
}

const wchar_t* const dimensionKeys[] = {L"length", L"width", L"height", L"diameter"};

} // namespace

StockDimensionProp::StockDimensionProp()
{
    dimensions_.fill(zkaux::RealParameter::Of(0, Millimeter));
}

zkaux::RealParameter StockDimensionProp::GetDimension(int index) const noexcept
{
    if (index < 0 || index >= static_cast<int>(dimensions_.size()))
        return zkaux::RealParameter::Of(0, Millimeter);
    return dimensions_[static_cast<std::size_t>(index)];
}

bool StockDimensionProp::SetDimension(int index, const zkaux::RealParameter& value)
{
    if (index < 0 || index >= static_cast<int>(dimensions_.size()))
        return false;
    dimensions_[static_cast<std::size_t>(index)] = value;
    return true;
}

const Material3DBase* MaterialUtilStockProp::GetMaterial() const
{
    CZkw32Doc* doc = stock_.GetDocumentPtr();
    return doc && !material_.IsNull() ? doc->FindObjectAs<DocumentMaterial>(material_) : nullptr;
}

const Material3DBase* MaterialUtilStockProp::GetFinalMaterial() const
{
    return utilState_ ? GetMaterial() : nullptr;
}

bool MaterialUtilStockProp::SetMaterial(CZkw32Doc* doc, std::wstring_view name, int /*libraryIndex*/)
{
    if (!doc)
        doc = stock_.GetDocumentPtr();
    auto* material = doc ? dynamic_cast<DocumentMaterial*>(doc->Container3D().FindMaterial(name)) : nullptr;
    if (!material)
        return false;
    stock_.NoteChange();
    material_ = material->GetID();
    return true;
}

void MaterialUtilStockProp::SetMass(const zkaux::RealParameter& mass, bool keepUnit)
{
    stock_.NoteChange();
    mass_ = keepUnit ? mass : zkaux::RealParameter::Of(mass.ValueIn(Kilogram), Kilogram);
}

zkaux::RealParameter MaterialUtilStockProp::CalculateMass(const std::vector<CZKObject*>& objects,
                                                          const Material3DBase* material) const
{
    double volume = 0;
    for (const CZKObject* object : objects)
        volume += volumeOf(object);
    // mm³ × g/cm³ = 1e-3 g = 1e-6 kg
    const double kilograms = material ? volume * material->GetDensity() * 1e-6 : 0;
    return zkaux::RealParameter::Of(kilograms, Kilogram);
}

double MaterialUtilStockProp::CalculateMaterialUtil(const zkaux::RealParameter& partMass,
                                                    const zkaux::RealParameter& stockMass) const
{
    const double stock = stockMass.ValueIn(Kilogram);
    return stock > 0 ? partMass.ValueIn(Kilogram) / stock : 0;
}

std::vector<CZKObject*> MaterialUtilStockProp::GetObjects(bool /*includeHidden*/) const
{
    return resolve(stock_, objects_);
}

void MaterialUtilStockProp::SetObjects(const std::vector<CZKObject*>& objects)
{
    stock_.NoteChange();
    objects_ = idsOf(objects);
}

Stock::Stock(CZkw32Doc* doc) : ModelObject(doc), materialUtil_(*this)
{
    DeclareDescription();
}

int Stock::GetObjType() const
{
    return ZKObjectTypes::CamStock;
}

unsigned Stock::GetIconID() const
{
    return Icons::Stock;
}

bool Stock::ChangeStockType(int type)
{
    if (type < StockTypes::Body || type > StockTypes::Section)
        return false;
    NoteChange();
    stockType_ = type;
    return true;
}

std::vector<CZKObject*> Stock::GetReferencedObjects() const
{
    return resolve(*this, referenced_);
}

void Stock::SetReferencedObjects(const std::vector<CZKObject*>& objects)
{
    NoteChange();
    referenced_ = idsOf(objects);
}

double Stock::GetVolume() const
{
    const auto mm = [this](int d) { return dimensions_.GetDimension(d).ValueIn(Millimeter); };
    if (stockType_ == StockTypes::Bounding && bounding_.GetParameters().GetType() == BoundingShapes::Cylinder)
        return std::numbers::pi * mm(3) * mm(3) / 4 * mm(2);
    return mm(0) * mm(1) * mm(2);
}

ObjectMeasurer Stock::Measurer() const
{
    const auto mm = [this](int d) { return dimensions_.GetDimension(d).ValueIn(Millimeter); };
    if (stockType_ == StockTypes::Bounding && bounding_.GetParameters().GetType() == BoundingShapes::Cylinder)
        return ObjectMeasurer(BodySize{mm(3), mm(3), mm(2)});
    return ObjectMeasurer(BodySize{mm(0), mm(1), mm(2)});
}

void Stock::SaveState(Host::TextNode& node) const
{
    ModelObject::SaveState(node);
    node.Add(L"stock-type", {std::to_wstring(stockType_)});
    node.Add(L"bounding", {std::to_wstring(bounding_.parameters_.GetType()), std::to_wstring(bounding_.thicknessType_)});
    for (int d = 0; d < 4; ++d)
        SaveReal(node, dimensionKeys[d], dimensions_.GetDimension(d));
    const MaterialUtilStockProp& util = materialUtil_;
    Host::TextNode& utilNode = node.Add(L"material-util");
    utilNode.Add(L"state", {Host::FormatBool(util.utilState_)});
    utilNode.Add(L"material", {KeptObjectIdText(*this, util.material_), Host::FormatBool(util.genericDerived_)});
    utilNode.Add(L"mass-default", {Host::FormatBool(util.massDefault_)});
    SaveReal(utilNode, L"mass", util.mass_);
    utilNode.Add(L"part-select-visible", {Host::FormatBool(util.partSelectVisible_)});
    SaveIds(utilNode, L"objects", KeptObjectIds(*this, util.objects_));
    SaveIds(node, L"referenced", KeptObjectIds(*this, referenced_));
}

void Stock::LoadState(const Host::TextNode& node)
{
    ModelObject::LoadState(node);
    const Host::TextNode& type = node.Require(L"stock-type");
    type.ExpectArgs(1);
    if (!ChangeStockType(static_cast<int>(type.ArgInteger(0))))
        type.Fail("a stock type must be 0 to 4");
    const Host::TextNode& bounding = node.Require(L"bounding");
    bounding.ExpectArgs(2);
    const std::int64_t shape = bounding.ArgInteger(0);
    if (shape < 0 || shape > 255)
        bounding.Fail("a bounding shape must fit in one byte");
    bounding_.parameters_.SetType(static_cast<std::uint8_t>(shape));
    bounding_.thicknessType_ = static_cast<int>(bounding.ArgInteger(1));
    for (int d = 0; d < 4; ++d)
        dimensions_.SetDimension(d, LoadReal(node, dimensionKeys[d]));
    const Host::TextNode& utilNode = node.Require(L"material-util");
    MaterialUtilStockProp& util = materialUtil_;
    util.utilState_ = utilNode.Require(L"state").ArgBool(0);
    const Host::TextNode& material = utilNode.Require(L"material");
    material.ExpectArgs(2);
    util.material_ = ReadId(material, 0);
    util.genericDerived_ = material.ArgBool(1);
    util.massDefault_ = utilNode.Require(L"mass-default").ArgBool(0);
    util.mass_ = LoadReal(utilNode, L"mass");
    util.partSelectVisible_ = utilNode.Require(L"part-select-visible").ArgBool(0);
    util.objects_ = LoadIds(utilNode, L"objects");
    referenced_ = LoadIds(node, L"referenced");
}

} // namespace Vireo::Cam
