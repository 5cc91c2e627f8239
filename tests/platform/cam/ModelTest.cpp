// The CAM model over a document: tools and their parts, the machining tree, geometry sets,
// stock and part masses, measurers and host type codes.

#include "platform/cam/MachiningTree.h"
#include "platform/cam/Model.h"
#include "platform/cam/ParameterIds.h"
#include "platform/cam/ToolParts.h"
#include "platform/host/HostObjectTypes.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using namespace Vireo::Cam;
namespace Ids = Vireo::Cam::HostIds;
namespace ZKUnits = zktypes::ZKUnits;

struct CamModel : ::testing::Test {
    CZkw32Doc doc;
    Model model{&doc};

    DocumentMaterial* addMaterial(std::wstring_view name)
    {
        auto material = std::make_unique<DocumentMaterial>(&doc, *GetMaterialLibraryManager().GetMaterialAsName(name));
        material->SetID(doc.NewObjectID());
        return doc.Cont3DData().GetMaterials().Add(std::move(material));
    }
};

TEST_F(CamModel, ToolLogicGivesTheKindsParametersAndKeepsTheName)
{
    Tool* tool = model.GetTools().Create();
    tool->SetName(L"Cutter 10");
    tool->SetLogic(GetDefaultToolLogicFactory().Create(Ids::ToolKinds::MillEnd));
    EXPECT_EQ(tool->GetName(), L"Cutter 10");
    EXPECT_EQ(tool->GetLogic()->GetDescription().kindNumber, 1);
    const BaseValue* d = tool->GetParameters().GetValue(Ids::ToolParams::MillEnd::D);
    ASSERT_NE(d, nullptr);
    EXPECT_DOUBLE_EQ(d->AsDouble()->GetValue(), 10);
    EXPECT_EQ(tool->GetParameters().GetValue(Ids::ToolParams::Drill::D), nullptr);

    tool->SetLogic(GetDefaultToolLogicFactory().Create(Ids::ToolKinds::TurnInsert));
    EXPECT_EQ(tool->GetParameters().GetValue(Ids::ToolParams::MillEnd::D), nullptr);
    EXPECT_TRUE(tool->GetParameters().TrySetValue(Ids::ToolParams::TurnInsertShape, IntValue(3)));
    EXPECT_EQ(tool->GetName(), L"Cutter 10");
    EXPECT_EQ(tool->GetObjType(), 287);
}

TEST_F(CamModel, ToolPartsAreViewsOfTheirToolAndCopyOntoAnother)
{
    Tool* tool = model.GetTools().Create();
    auto shank = std::make_shared<ToolShankProp>(*tool);
    EXPECT_FALSE(shank->HasShank());
    shank->SetNeedShank(true);
    shank->SetDiameter(zkaux::RealParameter::Of(0.5, ZKUnits::Inch));
    EXPECT_TRUE(ToolShankProp(*tool).HasShank());
    EXPECT_EQ(ToolShankProp(*tool).GetDiameter(), zkaux::RealParameter::Of(0.5, ZKUnits::Inch));

    Tool freeStanding;
    EXPECT_EQ(freeStanding.GetDocumentPtr(), nullptr);
    ToolHolderProp holder(freeStanding);
    EXPECT_FALSE(holder.HasHolder());
    holder.SetName(L"HSK 63");
    holder.GetParamsProp().AddParam().SetName(L"cone");
    holder.GetParamsProp().AddParam().SetTopDiameter(zkaux::RealParameter::Of(40, ZKUnits::Millimeter));
    EXPECT_TRUE(holder.HasHolder());
    EXPECT_EQ(holder.GetOwner(), &freeStanding);

    holder.MakeHolderCopy(*tool);
    ToolHolderProp copied(*tool);
    ASSERT_EQ(copied.GetParamsProp().GetParamsCount(), 2);
    EXPECT_EQ(copied.GetName(), L"HSK 63");
    EXPECT_EQ(*copied.GetParamsProp().GetParams(1), *holder.GetParamsProp().GetParams(1));
    EXPECT_NE(copied.GetParamsProp().GetParams(1), holder.GetParamsProp().GetParams(1)); // items are new objects
    EXPECT_EQ(copied.GetParamsProp().GetParams(2), nullptr);
    EXPECT_FALSE(ToolExtensionProp(*tool).HasExtension());
    EXPECT_TRUE(copied.GetParamsProp().RemoveParam(0));
    EXPECT_EQ(copied.GetParamsProp().GetParams(0)->GetTopDiameter().GetValue(), 40);

    // An item handle outlives its tool and can still be changed (it then belongs to none).
    std::shared_ptr<ToolAdditionalParams> kept = copied.GetParamsProp().GetParamsPtr(0);
    model.GetTools().Remove(tool);
    kept->SetName(L"orphan");
    EXPECT_EQ(kept->GetName(), L"orphan");
}

TEST_F(CamModel, MachiningTreeOrderListsAndToolReference)
{
    MachiningProject* project = model.GetMachiningProjects().Create();
    Machining* first = project->GetMachinings().Create();
    Machining* second = project->GetMachinings().Create();
    Machining* third = project->GetMachinings().Create();
    MachiningGroup* group = project->GetMachiningGroups().Create();
    MachiningGroup* nested = model.GetMachiningGroups().Create();
    EXPECT_TRUE(group->GetChildGroups().Add(nested));
    EXPECT_FALSE(group->GetChildGroups().Add(nested));

    EXPECT_EQ(MachiningTree::Item(third).GetOrder(), 3);
    EXPECT_TRUE(MachiningTree::Item(third).SetOrder(1));
    EXPECT_EQ(project->GetMachinings().GetAll(), (std::vector<Machining*>{third, first, second}));
    EXPECT_EQ(MachiningTree::Item(nested).GetOrder(), 1);
    EXPECT_EQ(MachiningTree::Item(group).GetOrder(), 1);
    EXPECT_EQ(MachiningTree::Item(project).GetOrder(), 0);
    EXPECT_EQ(model.GetMachinings().GetCount(), 3);

    first->SetName(L"Roughing");
    first->SetDescription(L"Pocket\nwith islands");
    first->SetStrategy(GetDefaultStrategyFactory().Create(Ids::StrategyKinds::MillLayers));
    EXPECT_EQ(first->GetName(), L"Roughing");
    EXPECT_EQ(first->GetDescription(false), L"Pocket");
    const AggregateValue* feeds = first->GetParameters().GetValue(Ids::MachiningParams::FeedsGroup)->AsAggregate();
    EXPECT_DOUBLE_EQ(feeds->GetValue().GetValue(Ids::MachiningParams::Feed)->AsDouble()->GetValue(), 1000);

    Tool* tool = model.GetTools().Create();
    first->GetTool() = tool;
    EXPECT_EQ(first->GetTool().Get(), tool);
    EXPECT_TRUE(model.GetTools().Remove(tool));
    EXPECT_FALSE(first->GetTool());
    EXPECT_TRUE(model.GetMachinings().Remove(second));
    EXPECT_EQ(project->GetMachinings().GetCount(), 2);
}

TEST_F(CamModel, ObjectListsHoldObjectsOfTheirOwnDocumentOnly)
{
    MachiningGroup* group = model.GetMachiningGroups().Create();
    CZkw32Doc other;
    Machining* foreign = Model(&other).GetMachinings().Create();
    EXPECT_FALSE(group->GetMachinings().Add(foreign));
    EXPECT_FALSE(group->GetMachinings().Add(nullptr));

    Machining* a = group->GetMachinings().Create();
    Machining* b = group->GetMachinings().Create();
    Machining* c = model.GetMachinings().Create();
    EXPECT_TRUE(group->GetMachinings().Add(c));
    EXPECT_TRUE(group->GetMachinings().MoveTo(a, 99));
    EXPECT_EQ(group->GetMachinings().GetAll(), (std::vector<Machining*>{b, c, a}));
    EXPECT_TRUE(group->GetMachinings().MoveTo(a, -5));
    EXPECT_EQ(group->GetMachinings().IndexOf(a), 0);
    EXPECT_TRUE(group->GetMachinings().Remove(b));
    EXPECT_EQ(model.GetMachinings().GetCount(), 3); // taken out of the list, not the document
    doc.RemoveObject(c);
    EXPECT_EQ(group->GetMachinings().GetAll(), std::vector<Machining*>{a});
    EXPECT_EQ(group->GetMachinings().GetIds(), std::vector<ZKObjectID>{a->GetID()});
    EXPECT_EQ(group->GetMachinings()[1], nullptr);
    EXPECT_FALSE(MachiningTree::Item(b).SetOrder(1));

    // Positions count listed objects that still exist, before and after a removal.
    Machining* d = group->GetMachinings().Create();
    EXPECT_EQ(group->GetMachinings().IndexOf(d), 1);
    EXPECT_TRUE(MachiningTree::Item(d).SetOrder(1));
    EXPECT_EQ(group->GetMachinings().GetAll(), (std::vector<Machining*>{d, a}));
    Machining* e = group->GetMachinings().Create();
    doc.BeginChanges(L"Reorder");
    EXPECT_TRUE(MachiningTree::Item(e).SetOrder(1));
    EXPECT_TRUE(MachiningTree::Item(d).SetOrder(2));
    EXPECT_EQ(group->GetMachinings().GetAll(), (std::vector<Machining*>{e, d, a}));
    doc.CancelChanges(true);
    EXPECT_EQ(group->GetMachinings().GetAll(), (std::vector<Machining*>{d, a, e}));
    EXPECT_EQ(MachiningTree::Item(e).GetOrder(), 3);

    Tool freeStanding;
    EXPECT_EQ(ObjectList<Machining>(freeStanding).Create(), nullptr);
}

TEST_F(CamModel, GeometrySetsSlotsAndSourceSets)
{
    MachiningGroup* group = model.GetMachiningGroups().Create();
    GeometrySet& own = group->GetGeometrySet();
    EXPECT_EQ(&own, &group->GetOwnGeometrySet());

    SharedGeometrySet* shared = model.GetSharedGeometrySets().Create();
    const GeometrySetType* type = GeometrySetTypeManager::Instance().FindType(Ids::GeometrySetTypes::Machining);
    ASSERT_NE(type, nullptr);
    shared->GetGeometrySet().SetType(type);
    group->SetSourceGeometrySet(0, shared);
    EXPECT_EQ(&group->GetGeometrySet(), &shared->GetGeometrySet());
    EXPECT_EQ(group->GetSourceGeometrySet(1), nullptr);

    Stock* stock = model.GetStocks().Create();
    shared->GetGeometrySet().SetModelObject(Ids::GeometrySlots::Stock, stock);
    EXPECT_EQ(group->GetGeometrySet().GetModelObject(Ids::GeometrySlots::Stock, true), stock);
    EXPECT_EQ(group->GetGeometrySet().GetModelObject(Ids::GeometrySlots::Part, true), nullptr);
    EXPECT_EQ(shared->GetGeometrySet().GetType(), type);

    Machining* machining = model.GetMachinings().Create();
    EXPECT_TRUE(machining->TrySetParentGeometrySetOwner(group));
    EXPECT_EQ(machining->GetParentGeometrySetOwner(), group);
    EXPECT_FALSE(machining->TrySetParentGeometrySetOwner(stock));
    EXPECT_EQ(dynamic_cast<IGeometrySetOwner*>(static_cast<CZKObject*>(shared)), nullptr);
}

TEST_F(CamModel, StockMassAndMaterialUtilisation)
{
    addMaterial(L"Steel C45");
    Stock* stock = model.GetStocks().Create();
    EXPECT_TRUE(stock->ChangeStockType(StockTypes::Bounding));
    EXPECT_FALSE(stock->ChangeStockType(5));
    StockDimensionProp& dims = stock->GetDimensionProp();
    dims.SetDimension(0, zkaux::RealParameter::Of(10, ZKUnits::Centimeter));
    dims.SetDimension(1, zkaux::RealParameter::Of(50, ZKUnits::Millimeter));
    dims.SetDimension(2, zkaux::RealParameter::Of(20, ZKUnits::Millimeter));
    dims.SetDimension(3, zkaux::RealParameter::Of(20, ZKUnits::Millimeter));

    MaterialUtilStockProp& util = stock->GetMaterialUtilProp();
    EXPECT_TRUE(util.SetMaterial(&doc, L"Steel C45"));
    EXPECT_FALSE(util.SetMaterial(&doc, L"Unobtainium"));
    EXPECT_EQ(util.GetFinalMaterial(), nullptr); // utilisation is off
    util.SetMaterialUtilState(true);
    ASSERT_NE(util.GetFinalMaterial(), nullptr);
    const auto blockMass = util.CalculateMass({stock}, util.GetFinalMaterial());
    EXPECT_NEAR(blockMass.ValueIn(ZKUnits::Kilogram), 100.0 * 50 * 20 * 7.85e-6, 1e-12);

    stock->GetBoundingBodyProp().GetParameters().SetType(BoundingShapes::Cylinder);
    const auto cylinderMass = util.CalculateMass({stock}, util.GetFinalMaterial());
    EXPECT_NEAR(cylinderMass.GetValue(), std::numbers::pi * 10 * 10 * 20 * 7.85e-6, 1e-12);
    EXPECT_EQ(stock->Measurer().Measure(242)->value, 20);

    Part* part = model.GetParts().Create();
    part->SetBodySize(BodySize{10, 10, 10});
    EXPECT_TRUE(part->GetVisualProperty().SetMaterial(&doc, L"Steel C45"));
    util.SetObjects({part});
    util.SetPartSelectVisible(true);
    const auto partMass = util.CalculateMass(util.GetObjects(false), util.GetFinalMaterial());
    EXPECT_NEAR(util.CalculateMaterialUtil(partMass, cylinderMass), 1000.0 / (std::numbers::pi * 2000), 1e-12);
    EXPECT_EQ(util.CalculateMaterialUtil(partMass, zkaux::RealParameter::Of(0, ZKUnits::Kilogram)), 0);
    EXPECT_DOUBLE_EQ(util.CalculateMass({stock}, nullptr).GetValue(), 0);

    util.SetMass(zkaux::RealParameter::Of(1500, ZKUnits::Gram), false);
    EXPECT_EQ(util.GetMass(), zkaux::RealParameter::Of(1.5, ZKUnits::Kilogram));
}

TEST_F(CamModel, PartMassMaterialsAndMeasurers)
{
    addMaterial(L"Aluminium alloy AlMg3");
    addMaterial(L"Titanium nitride");
    Part* part = model.GetParts().Create();
    EXPECT_DOUBLE_EQ(part->GetMass().GetValue(), 0);
    EXPECT_FALSE(part->Measurer().Measure(242));
    part->SetBodySize(BodySize{100, 20, 10});
    EXPECT_TRUE(part->GetVisualProperty().SetMaterial(nullptr, L"Aluminium alloy AlMg3"));
    EXPECT_TRUE(part->SetCoatingMaterial(nullptr, L"Titanium nitride"));
    EXPECT_EQ(part->GetCoatingMaterial()->GetMaterialName(), L"Titanium nitride");
    EXPECT_NEAR(part->GetMass().GetValue(), 20000 * 2.66e-6, 1e-12);
    EXPECT_EQ(part->GetMass().GetUnit()->GetCode(), ZKUnits::Kilogram);
    part->SetMassDefault(false);
    part->SetMass(DoubleValue(250, ZKUnits::Gram));
    EXPECT_EQ(part->GetMass().GetValue(), 250);

    const std::pair<int, double> measures[] = {{242, 100}, {243, 20}, {244, 10}};
    for (const auto& [quantity, expected] : measures) {
        const auto result = part->Measurer().Measure(quantity);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->value, expected);
        EXPECT_EQ(result->unit->GetCode(), ZKUnits::Millimeter);
    }
    EXPECT_FALSE(part->Measurer().Measure(245));

    Fixture* fixture = model.GetFixtures().Create();
    fixture->SetBodySize(BodySize{300, 150, 40});
    SharedGeometrySet* set = model.GetSharedGeometrySets().Create();
    EXPECT_FALSE(set->Measurer().Measure(242));
    set->GetGeometrySet().SetModelObject(Ids::GeometrySlots::Part, part);
    set->GetGeometrySet().SetModelObject(Ids::GeometrySlots::Fixture, fixture);
    EXPECT_EQ(set->Measurer().Measure(243)->value, 150);
}

TEST_F(CamModel, HostTypeCodesSeparateCamObjectsFromOtherObjects)
{
    const std::pair<CZKObject*, int> objects[] = {
        {model.GetTools().Create(), 287},           {model.GetMachinings().Create(), 289},
        {model.GetMachiningGroups().Create(), 291}, {model.GetMachiningProjects().Create(), 292},
        {model.GetStocks().Create(), 293},          {model.GetParts().Create(), 307},
        {model.GetFixtures().Create(), 308},        {model.GetSharedGeometrySets().Create(), 309},
        {model.GetMachineSetups().Create(), 311},
    };
    for (const auto& [object, code] : objects) {
        EXPECT_EQ(object->GetObjType(), code);
        EXPECT_NE(dynamic_cast<ModelObject*>(object), nullptr);
        EXPECT_NE(object->GetIconID(), 0u);
    }
    EXPECT_EQ(model.GetMachiningProjects().Get(0), objects[3].first);
    EXPECT_EQ(model.GetMachiningProjects().Get(1), nullptr);
}

} // namespace
