#include "SampleWorkshop.h"

#include "platform/cam/ParameterIds.h"
#include "platform/cam/ToolParts.h"

namespace Vireo::Cam::Testing {
namespace {

namespace Ids = HostIds;
namespace ZKUnits = zktypes::ZKUnits;

void addMaterial(CZkw32Doc& doc, std::wstring_view name)
{
    auto material = std::make_unique<DocumentMaterial>(&doc, *GetMaterialLibraryManager().GetMaterialAsName(name));
    material->SetID(doc.NewObjectID());
    doc.Cont3DData().GetMaterials().Add(std::move(material));
}

Tool* makeEndMill(Model& model)
{
    Tool* tool = model.GetTools().Create();
    tool->SetLogic(GetDefaultToolLogicFactory().Create(Ids::ToolKinds::MillEnd));
    tool->SetName(L"End mill D12");
    tool->GetParameters().TrySetValue(Ids::ToolParams::MillEnd::D, DoubleValue(12, ZKUnits::Millimeter));
    tool->GetParameters().TrySetValue(Ids::ToolParams::MillEnd::Shoulder, BoolValue(true));
    ToolShankProp shank(*tool);
    shank.SetNeedShank(true);
    shank.SetDiameter(zkaux::RealParameter::Of(12, ZKUnits::Millimeter));
    shank.SetConeAngle(zkaux::RealParameter::Of(0.1, ZKUnits::Radian));
    ToolHolderProp holder(*tool);
    holder.SetName(L"Collet chuck \"ER32\"");
    ToolAdditionalParams& item = holder.GetParamsProp().AddParam();
    item.SetName(L"Nut");
    item.SetBottomDiameter(zkaux::RealParameter::Of(50, ZKUnits::Millimeter));
    item.SetLength(zkaux::RealParameter::Of(1.25, ZKUnits::Inch));
    holder.GetParamsProp().AddParam().SetName(L"Body");
    tool->SetTextAttrib(L"holder_elem_1_uri", L"arbor://pdm/OpenReferenceWindow/?refId=1&objId=2", true);
    return tool;
}

} // namespace

Workshop BuildWorkshop(CZkw32Doc& doc)
{
    Model model(&doc);
    addMaterial(doc, L"Steel C45");
    addMaterial(doc, L"Titanium nitride");
    Workshop w{};
    w.project = model.GetMachiningProjects().Create();
    w.project->SetName(L"Housing");
    w.project->SetDescription(L"First set-up\nsecond line");
    w.project->SetTextAttrib(L"uri", L"arbor://pdm/OpenReferenceWindow/?refId=5&objId=6", true);
    w.group = w.project->GetMachiningGroups().Create();
    w.group->SetName(L"Pockets");
    w.group->TrySetParentGeometrySetOwner(w.project);

    w.endMill = makeEndMill(model);
    w.drill = model.GetTools().Create();
    w.drill->SetLogic(GetDefaultToolLogicFactory().Create(Ids::ToolKinds::Drill));
    w.drill->SetName(L"Drill 8.5");

    w.roughing = w.group->GetMachinings().Create();
    w.roughing->SetStrategy(GetDefaultStrategyFactory().Create(Ids::StrategyKinds::MillLayers));
    w.roughing->SetName(L"Roughing");
    w.roughing->GetTool() = w.endMill;
    w.drilling = w.project->GetMachinings().Create();
    w.drilling->SetStrategy(GetDefaultStrategyFactory().Create(Ids::StrategyKinds::HoleDrill));
    w.drilling->SetName(L"Holes M10");
    w.drilling->GetTool() = w.drill;
    w.drilling->GetParameters().Add(Ids::MachiningParams::Tolerance, std::make_unique<CalculatedValue>(L"D/100", 0.085));

    w.geometry = model.GetSharedGeometrySets().Create();
    w.geometry->SetName(L"Set 1");
    w.geometry->GetGeometrySet().SetType(GeometrySetTypeManager::Instance().FindType(Ids::GeometrySetTypes::Machining));
    w.project->SetSourceGeometrySet(0, w.geometry);

    w.stock = model.GetStocks().Create();
    w.stock->SetName(L"Blank");
    w.stock->ChangeStockType(StockTypes::Bounding);
    w.stock->GetDimensionProp().SetDimension(0, zkaux::RealParameter::Of(120, ZKUnits::Millimeter));
    w.stock->GetDimensionProp().SetDimension(1, zkaux::RealParameter::Of(8, ZKUnits::Centimeter));
    w.stock->GetDimensionProp().SetDimension(2, zkaux::RealParameter::Of(0.03, ZKUnits::Meter));
    w.stock->GetMaterialUtilProp().SetMaterialUtilState(true);
    w.stock->GetMaterialUtilProp().SetMaterial(&doc, L"Steel C45");
    w.part = model.GetParts().Create();
    w.part->SetName(L"Housing part");
    w.part->SetBodySize(BodySize{110, 75, 28.5});
    w.part->GetVisualProperty().SetMaterial(&doc, L"Steel C45");
    w.part->SetCoatingMaterial(&doc, L"Titanium nitride");
    w.stock->SetReferencedObjects({w.part});
    w.fixture = model.GetFixtures().Create();
    w.fixture->SetName(L"Vice");
    GeometrySet& set = w.geometry->GetGeometrySet();
    set.SetModelObject(HostIds::GeometrySlots::Stock, w.stock);
    set.SetModelObject(HostIds::GeometrySlots::Part, w.part);
    set.SetModelObject(HostIds::GeometrySlots::Fixture, w.fixture);
    return w;
}

} // namespace Vireo::Cam::Testing
