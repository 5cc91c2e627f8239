// Reading and writing CAM values by parameter name.

#include "CamTestDocument.h"

#include "platform/cam/MachiningTree.h"
#include "platform/cam/ParameterIds.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

namespace ZKUnits = zktypes::ZKUnits;
namespace Ids = HostIds;

const zktypes::Unit* unit(zktypes::ZKUnitsEnum code)
{
    return zktypes::Units::Instance().GetUnitByCode(code);
}

double number(const CamValuePtr& value)
{
    return value && value->AsDouble() ? value->AsDouble()->GetValue() : -1;
}

std::wstring text(const CamValuePtr& value)
{
    return value && value->AsString() ? value->AsString()->GetValue() : L"<none>";
}

class ValuesTest : public CamDocumentTest {
protected:
    CamObject project = Make(L"MachiningProject");
};

TEST_F(ValuesTest, ShoulderLengthsReadAsZeroWhileTheShoulderIsOff)
{
    const CamObject tool = Make(L"ToolMillEnd");
    Cam::Parameters& host = As<Cam::Tool>(tool).GetParameters();
    host.TrySetValue(Ids::ToolParams::MillEnd::Ds, Cam::DoubleValue(8, ZKUnits::Millimeter));
    host.TrySetValue(Ids::ToolParams::MillEnd::Shoulder, Cam::BoolValue(false));
    const CamObjectManager manager(tool);

    const CamValuePtr off = manager.GetValue(L"Ds");
    EXPECT_EQ(number(off), 0);
    EXPECT_EQ(off->AsDouble()->GetUnit(), unit(ZKUnits::Millimeter));
    EXPECT_TRUE(off.get_deleter().owned);
    EXPECT_EQ(number(manager.GetValue(L"D")), 10);

    host.TrySetValue(Ids::ToolParams::MillEnd::Shoulder, Cam::BoolValue(true));
    const CamValuePtr on = manager.GetValue(L"Ds");
    EXPECT_EQ(number(on), 8);
    EXPECT_EQ(on.get(), host.GetValue(Ids::ToolParams::MillEnd::Ds));
    EXPECT_FALSE(on.get_deleter().owned);

    host.Remove(Ids::ToolParams::MillEnd::Shoulder);
    EXPECT_EQ(number(manager.GetValue(L"Ln")), 30);
}

TEST_F(ValuesTest, WritingAShoulderLengthSwitchesTheShoulder)
{
    const CamObject drill = Make(L"ToolDrill");
    CamObjectManager manager(drill);
    const Cam::Parameters& host = As<Cam::Tool>(drill).GetParameters();
    const auto shoulder = [&host] { return host.GetValue(Ids::ToolParams::Drill::Shoulder)->AsBool()->GetValue(); };

    EXPECT_TRUE(manager.SetValue(L"Lu", Cam::DoubleValue(12.5, ZKUnits::Millimeter)));
    EXPECT_TRUE(shoulder());
    EXPECT_EQ(number(manager.GetValue(L"Lu")), 12.5);
    EXPECT_TRUE(manager.SetValue(L"Lu", Cam::DoubleValue(0, ZKUnits::Millimeter)));
    EXPECT_FALSE(shoulder());
    EXPECT_TRUE(manager.SetValue(L"Ds", Cam::DoubleValue(1.5, ZKUnits::Centimeter)));
    EXPECT_TRUE(shoulder());
    EXPECT_EQ(number(manager.GetValue(L"Ds")), 15);
    EXPECT_FALSE(manager.SetValue(L"Ds", Cam::IntValue(0)));
    EXPECT_TRUE(shoulder());
    EXPECT_FALSE(manager.SetValue(L"Feed", Cam::DoubleValue(1)));
}

TEST_F(ValuesTest, SelectorsAndNames)
{
    const CamObject tool = Make(L"ToolMillRadius");
    CamObjectManager toolManager(tool);
    EXPECT_EQ(text(toolManager.GetValue(L"ToolType")), L"ToolMillRadius");
    EXPECT_EQ(toolManager.GetValue(L"ToolKind")->AsInt()->GetValue(), 4);
    EXPECT_FALSE(toolManager.SetValue(L"ToolType", Cam::StringValue(L"ToolMillEnd")));
    EXPECT_FALSE(toolManager.SetValue(L"ToolKind", Cam::IntValue(1)));
    EXPECT_TRUE(toolManager.SetValue(L"Name", Cam::StringValue(L"R2 mill")));
    EXPECT_EQ(DocumentObjectOf(tool)->GetName(), L"R2 mill");
    EXPECT_FALSE(toolManager.SetValue(L"Name", Cam::IntValue(2)));

    CamObjectManager machining(Make(L"TurnGroove", project));
    EXPECT_EQ(text(machining.GetValue(L"MachiningType")), L"TurnGroove");
    EXPECT_FALSE(machining.SetValue(L"MachiningType", Cam::StringValue(L"TurnFace")));
    EXPECT_TRUE(machining.SetValue(L"Description", Cam::StringValue(L"first\nsecond")));
    EXPECT_EQ(text(machining.GetValue(L"Description")), L"first\nsecond");

    CamObjectManager stock(Make(L"StockExtrude", project));
    EXPECT_EQ(text(stock.GetValue(L"StockType")), L"StockExtrude");
    EXPECT_EQ(stock.GetValue(L"Nonsense"), nullptr);
    EXPECT_EQ(CamObjectManager(CamObject()).GetValue(L"Name"), nullptr);
}

TEST_F(ValuesTest, StockDimensionsFollowTheStockShapeInMillimetres)
{
    const CamObject cylinder = Make(L"StockCylindr", project);
    Cam::StockDimensionProp& dimensions = As<Cam::Stock>(cylinder).GetDimensionProp();
    dimensions.SetDimension(0, zkaux::RealParameter::Of(100, ZKUnits::Millimeter));
    dimensions.SetDimension(1, zkaux::RealParameter::Of(50, ZKUnits::Millimeter));
    dimensions.SetDimension(2, zkaux::RealParameter::Of(0.03, ZKUnits::Meter));
    dimensions.SetDimension(3, zkaux::RealParameter::Of(4, ZKUnits::Centimeter));
    const CamObjectManager asCylinder(cylinder);
    EXPECT_EQ(number(asCylinder.GetValue(L"Length")), 40);
    EXPECT_EQ(number(asCylinder.GetValue(L"Width")), 40);
    EXPECT_DOUBLE_EQ(number(asCylinder.GetValue(L"Height")), 30);
    EXPECT_EQ(asCylinder.GetValue(L"Height")->AsDouble()->GetUnit(), unit(ZKUnits::Millimeter));
    EXPECT_EQ(asCylinder.GetValue(L"CylinderType")->AsInt()->GetValue(), 0);
    EXPECT_FALSE(CamObjectManager(cylinder).SetValue(L"Length", Cam::DoubleValue(1)));

    CamObjectManager asCylinderWriter(cylinder);
    EXPECT_TRUE(asCylinderWriter.SetValue(L"CylinderType", Cam::IntValue(1)));
    EXPECT_EQ(As<Cam::Stock>(cylinder).GetBoundingBodyProp().GetThicknessType(), 1);

    // The same stock made a block again: the slot is reused and the shape changes.
    const CamObject block = Make(L"StockBlock", project);
    EXPECT_EQ(DocumentObjectOf(block), DocumentObjectOf(cylinder));
    const CamObjectManager asBlock(block);
    EXPECT_EQ(number(asBlock.GetValue(L"Length")), 100);
    EXPECT_EQ(number(asBlock.GetValue(L"Width")), 50);
    EXPECT_EQ(asBlock.GetValue(L"CylinderType"), nullptr);
}

TEST_F(ValuesTest, MassesWithoutMaterialAreZeroKilograms)
{
    const CamObjectManager stock(Make(L"StockBlock", project));
    const CamValuePtr weight = stock.GetValue(L"Weight");
    EXPECT_EQ(number(weight), 0);
    EXPECT_EQ(weight->AsDouble()->GetUnit(), unit(ZKUnits::Kilogram));
    const CamValuePtr utilization = stock.GetValue(L"CUM");
    EXPECT_EQ(number(utilization), 0);
    EXPECT_EQ(utilization->AsDouble()->GetUnit(), nullptr);
    EXPECT_EQ(text(stock.GetValue(L"Material")), L"");

    const CamObject part = Make(L"Part", project);
    As<Cam::Part>(part).SetMass(Cam::DoubleValue(3, ZKUnits::Kilogram));
    As<Cam::Part>(part).SetMassDefault(false);
    const CamValuePtr partWeight = CamObjectManager(part).GetValue(L"Weight");
    EXPECT_EQ(number(partWeight), 0);
    EXPECT_EQ(partWeight->AsDouble()->GetUnit(), unit(ZKUnits::Kilogram));
}

TEST_F(ValuesTest, StockMaterialMassAndUtilization)
{
    const CamObject stockObject = Make(L"StockBlock", project);
    Cam::Stock& stock = As<Cam::Stock>(stockObject);
    stock.GetDimensionProp().SetDimension(0, zkaux::RealParameter::Of(100, ZKUnits::Millimeter));
    stock.GetDimensionProp().SetDimension(1, zkaux::RealParameter::Of(50, ZKUnits::Millimeter));
    stock.GetDimensionProp().SetDimension(2, zkaux::RealParameter::Of(20, ZKUnits::Millimeter));
    CamObjectManager manager(stockObject);

    EXPECT_FALSE(manager.SetValue(L"Material", Cam::StringValue(L"Unobtainium")));
    EXPECT_TRUE(manager.SetValue(L"Material", Cam::StringValue(L"Steel C45")));
    EXPECT_EQ(text(manager.GetValue(L"Material")), L"Steel C45");
    EXPECT_EQ(doc.Cont3DData().GetMaterials().GetCount(), 1);
    EXPECT_FALSE(stock.GetMaterialUtilProp().IsGenericMaterialDerived());
    EXPECT_NEAR(number(manager.GetValue(L"Weight")), 100 * 50 * 20 * 7.85e-6, 1e-12);

    EXPECT_TRUE(manager.SetValue(L"Weight", Cam::DoubleValue(2, ZKUnits::Kilogram)));
    EXPECT_FALSE(manager.SetValue(L"Weight", Cam::DoubleValue(2000, ZKUnits::Gram)));
    EXPECT_EQ(number(manager.GetValue(L"Weight")), 2);
    EXPECT_TRUE(manager.SetValue(L"Weight", Cam::DoubleValue(2500, ZKUnits::Gram)));
    EXPECT_EQ(number(manager.GetValue(L"Weight")), 2500);

    const CamObject part = Make(L"Part", project);
    As<Cam::Part>(part).SetBodySize(Cam::BodySize{100, 50, 10});
    stock.SetReferencedObjects({DocumentObjectOf(part)});
    EXPECT_NEAR(number(manager.GetValue(L"CUM")), 100 * 50 * 10 * 7.85e-6 / 2.5, 1e-12);
}

TEST_F(ValuesTest, PartMaterialCoatingAndWeight)
{
    const CamObject partObject = Make(L"Part", project);
    CamObjectManager part(partObject);
    EXPECT_TRUE(part.SetValue(L"Material", Cam::StringValue(L"Aluminium alloy AlMg3")));
    EXPECT_TRUE(part.SetValue(L"Coating", Cam::StringValue(L"Titanium nitride")));
    EXPECT_EQ(text(part.GetValue(L"Material")), L"Aluminium alloy AlMg3");
    EXPECT_EQ(text(part.GetValue(L"Coating")), L"Titanium nitride");
    EXPECT_FALSE(As<Cam::Part>(partObject).IsCoatingMaterialDerived());

    const std::string before = doc.SaveToText();
    EXPECT_TRUE(part.SetValue(L"Material", Cam::StringValue(L"Aluminium alloy AlMg3")));
    EXPECT_EQ(doc.SaveToText(), before);
    EXPECT_FALSE(part.SetValue(L"Coating", Cam::IntValue(1)));

    EXPECT_TRUE(part.SetValue(L"Weight", Cam::DoubleValue(1.5, ZKUnits::Kilogram)));
    EXPECT_FALSE(part.SetValue(L"Weight", Cam::DoubleValue(1500, ZKUnits::Gram)));
    EXPECT_EQ(number(part.GetValue(L"Weight")), 1.5);

    EXPECT_EQ(part.GetValue(L"Length"), nullptr);
    As<Cam::Part>(partObject).SetBodySize(Cam::BodySize{30, 20, 10});
    EXPECT_EQ(number(part.GetValue(L"Width")), 20);
    EXPECT_EQ(number(CamObjectManager(Make(L"Fixture", project)).GetValue(L"Height")), -1);
}

TEST_F(ValuesTest, MachiningOrderAndGroupedParameters)
{
    const CamObject first = Make(L"HoleDrill", project);
    const CamObject second = Make(L"MillFace", project);
    CamObjectManager manager(second);
    EXPECT_EQ(manager.GetValue(L"OrderNo")->AsInt()->GetValue(), 2);
    EXPECT_TRUE(manager.SetValue(L"OrderNo", Cam::IntValue(1)));
    EXPECT_EQ(manager.GetValue(L"OrderNo")->AsInt()->GetValue(), 1);
    EXPECT_EQ(Cam::MachiningTree::Item(DocumentObjectOf(first)).GetOrder(), 2);

    EXPECT_TRUE(manager.SetValue(L"Feed", Cam::DoubleValue(800)));
    const CamValuePtr feed = manager.GetValue(L"Feed");
    EXPECT_EQ(number(feed), 800);
    EXPECT_FALSE(feed.get_deleter().owned);

    // A parameter moved out of its group to the top level is no longer found.
    Cam::Parameters& parameters = As<Cam::Machining>(second).GetParameters();
    for (const auto& entry : parameters)
        if (Cam::AggregateValue* group = entry.value->AsAggregate())
            group->GetValue().Remove(Ids::MachiningParams::FaceFeed);
    parameters.Add(Ids::MachiningParams::FaceFeed, std::make_unique<Cam::DoubleValue>(500));
    EXPECT_EQ(manager.GetValue(L"Feed"), nullptr);
    EXPECT_FALSE(manager.SetValue(L"Feed", Cam::DoubleValue(600)));
}

// Values come from the object's class, so an object that no type accepts keeps those that
// need no type.
TEST_F(ValuesTest, ObjectsOfNoKnownKindKeepTheValuesOfTheirClass)
{
    const CamObject machining = Make(L"HoleDrill", project);
    As<Cam::Machining>(machining).SetStrategy(nullptr);
    CamObjectManager manager(machining);
    ASSERT_EQ(manager.GetAppType(), L"");
    EXPECT_EQ(text(manager.GetValue(L"MachiningType")), L"");
    EXPECT_EQ(manager.GetValue(L"OrderNo")->AsInt()->GetValue(), 1);
    EXPECT_TRUE(manager.SetValue(L"Description", Cam::StringValue(L"Spot")));
    EXPECT_EQ(text(manager.GetValue(L"Description")), L"Spot");
    EXPECT_EQ(manager.GetValue(L"Feed"), nullptr);
    EXPECT_FALSE(manager.SetValue(L"Weight", Cam::DoubleValue(1)));
}

TEST_F(ValuesTest, ToolPartValuesKeepTheirUnits)
{
    const CamObject tool = Make(L"ToolMillEnd");
    CamObjectManager shank(CamObjectManager::MakeCamObject(&doc, L"ToolShank", tool));
    EXPECT_TRUE(shank.SetValue(L"SD", Cam::DoubleValue(0.5, ZKUnits::Inch)));
    const CamValuePtr diameter = shank.GetValue(L"SD");
    EXPECT_EQ(number(diameter), 0.5);
    EXPECT_EQ(diameter->AsDouble()->GetUnit(), unit(ZKUnits::Inch));
    EXPECT_TRUE(shank.SetValue(L"ConeType", Cam::IntValue(2)));
    EXPECT_EQ(shank.GetValue(L"ConeType")->AsInt()->GetValue(), 2);
    EXPECT_FALSE(shank.SetValue(L"SA", Cam::IntValue(2)));

    const CamObject holder = CamObjectManager::MakeCamObject(&doc, L"ToolHolder", tool);
    CamObjectManager item(CamObjectManager::MakeCamObject(&doc, L"ToolItem", holder));
    EXPECT_TRUE(item.SetValue(L"HD1", Cam::DoubleValue(40, ZKUnits::Millimeter)));
    EXPECT_TRUE(item.SetValue(L"HD2", Cam::DoubleValue(3, ZKUnits::Centimeter)));
    EXPECT_EQ(number(item.GetValue(L"HD1")), 40);
    EXPECT_EQ(number(item.GetValue(L"HD2")), 3);
    const Cam::ToolAdditionalParams& stored = *std::get<CamObjectIndex::Item>(item.GetObject()).first;
    EXPECT_EQ(stored.GetTopDiameter(), zkaux::RealParameter::Of(3, ZKUnits::Centimeter));
    EXPECT_EQ(stored.GetBottomDiameter(), zkaux::RealParameter::Of(40, ZKUnits::Millimeter));

    CamObjectManager holderManager(holder);
    EXPECT_TRUE(holderManager.SetValue(L"Name", Cam::StringValue(L"Chuck")));
    EXPECT_EQ(text(holderManager.GetValue(L"Name")), L"Chuck");
    EXPECT_EQ(number(holderManager.GetValue(L"HE")), 0);
    EXPECT_EQ(holderManager.GetValue(L"LE"), nullptr);
    EXPECT_FALSE(holderManager.SetValue(L"HE", Cam::DoubleValue(1)));
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
