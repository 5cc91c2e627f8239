// CAM documents: the file round trip, the sample document, and change brackets over CAM
// changes.

#include "SampleWorkshop.h"

#include "platform/cam/CamDocument.h"
#include "platform/cam/MachiningTree.h"
#include "platform/cam/ParameterIds.h"
#include "platform/cam/ToolParts.h"
#include "platform/host/DocumentText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using namespace Vireo::Cam;
using Vireo::Cam::Testing::BuildWorkshop;
using Vireo::Cam::Testing::Workshop;
namespace Ids = Vireo::Cam::HostIds;
namespace ZKUnits = zktypes::ZKUnits;

const std::filesystem::path samplePath = std::filesystem::path(VIREO_SOURCE_DIR) / "data/cam/workshop.vcam";

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Changes of every kind the document journals.
void changeEverything(CZkw32Doc& doc, const Workshop& w)
{
    Model model(&doc);
    Machining* added = w.group->GetMachinings().Create();
    added->SetStrategy(GetDefaultStrategyFactory().Create(Ids::StrategyKinds::TurnGroove));
    added->GetTool() = w.drill;
    w.roughing->SetStrategy(GetDefaultStrategyFactory().Create(Ids::StrategyKinds::MillFace));
    w.drilling->SetDescription(L"changed");
    w.drilling->GetTool() = nullptr;
    MachiningTree::Item(w.drilling).SetOrder(5);
    w.endMill->GetParameters().TrySetValue(Ids::ToolParams::MillEnd::D, DoubleValue(0.5, ZKUnits::Inch));
    w.endMill->SetTextAttrib(L"shank_uri", L"arbor://x", true);
    w.project->DeleteAttrib(L"uri", true);
    ToolHolderProp holder(*w.endMill);
    holder.GetParamsProp().GetParams(0)->SetName(L"Renamed nut");
    holder.GetParamsProp().RemoveParam(1);
    ToolExtensionProp(*w.drill).GetParamsProp().AddParam().SetName(L"Sleeve");
    ToolShankProp(*w.drill).SetNeedShank(true);
    w.drill->SetLogic(GetDefaultToolLogicFactory().Create(Ids::ToolKinds::Reamer));
    auto material = std::make_unique<DocumentMaterial>(&doc, *GetMaterialLibraryManager().GetMaterialAsName(L"Brass CuZn39Pb3"));
    material->SetID(doc.NewObjectID());
    doc.Cont3DData().GetMaterials().Add(std::move(material));
    w.part->GetVisualProperty().SetMaterial(&doc, L"Brass CuZn39Pb3");
    w.part->SetMassDefault(false);
    w.stock->GetBoundingBodyProp().GetParameters().SetType(BoundingShapes::Cylinder);
    w.stock->GetMaterialUtilProp().SetMass(zkaux::RealParameter::Of(3, ZKUnits::Kilogram));
    w.geometry->GetGeometrySet().SetModelObject(Ids::GeometrySlots::Fixture, nullptr);
    model.GetFixtures().Remove(w.fixture);
    model.GetSharedGeometrySets().Create()->SetName(L"Set 2");
}

TEST(CamDocument, TheSampleDocumentIsTheWorkshopAndReadsBackAsWritten)
{
    CZkw32Doc doc;
    BuildWorkshop(doc);
    const std::string sample = readFile(samplePath);
    ASSERT_FALSE(sample.empty()) << samplePath;
    EXPECT_EQ(doc.SaveToText(), sample);

    const auto loaded = OpenCamDocument(samplePath);
    EXPECT_EQ(loaded->SaveToText(), sample);
    Model model(loaded.get());
    ASSERT_EQ(model.GetMachinings().GetCount(), 2);
    Machining* roughing = model.GetMachinings()[0];
    EXPECT_EQ(roughing->GetName(), L"Roughing");
    EXPECT_EQ(roughing->GetStrategy()->GetKind(), Ids::StrategyKinds::MillLayers);
    ASSERT_TRUE(roughing->GetTool());
    Tool* endMill = roughing->GetTool().Get();
    EXPECT_EQ(endMill->GetLogic()->GetKind(), Ids::ToolKinds::MillEnd);
    EXPECT_EQ(ToolHolderProp(*endMill).GetParamsProp().GetParams(0)->GetLength(),
              zkaux::RealParameter::Of(1.25, ZKUnits::Inch));
    const Part* part = model.GetParts()[0];
    EXPECT_EQ(part->GetVisualProperty().GetMaterial()->GetMaterialName(), L"Steel C45");
    EXPECT_EQ(part->GetCoatingMaterial()->GetMaterialName(), L"Titanium nitride");
    const Stock* stock = model.GetStocks()[0];
    EXPECT_DOUBLE_EQ(stock->GetDimensionProp().GetDimension(2).ValueIn(ZKUnits::Millimeter), 30);
    EXPECT_EQ(stock->GetReferencedObjects(), std::vector<CZKObject*>{model.GetParts()[0]});
    MachiningProject* project = model.GetMachiningProjects()[0];
    EXPECT_EQ(project->GetGeometrySet().GetModelObject(Ids::GeometrySlots::Stock), stock);
}

TEST(CamDocument, CancelledCamChangesLeaveTheSavedTextUnchanged)
{
    CZkw32Doc doc;
    const Workshop w = BuildWorkshop(doc);
    const std::string before = doc.SaveToText();
    ToolHolderProp holder(*w.endMill);
    ToolAdditionalParams* firstItem = holder.GetParamsProp().GetParams(0);

    doc.BeginChanges(L"Created cam objects from pdm");
    changeEverything(doc, w);
    EXPECT_NE(doc.SaveToText(), before);
    doc.CancelChanges(true);
    EXPECT_EQ(doc.SaveToText(), before);
    // Items that existed are refilled in place.
    EXPECT_EQ(holder.GetParamsProp().GetParams(0), firstItem);
    EXPECT_EQ(w.fixture->GetName(), L"Vice");
}

TEST(CamDocument, OnlyTheCancelledInnerBracketIsUndone)
{
    CZkw32Doc doc;
    const Workshop w = BuildWorkshop(doc);
    const std::string before = doc.SaveToText();
    doc.BeginChanges(L"Outer");
    w.stock->SetDescription(L"outer change");
    ToolShankProp(*w.endMill).SetName(L"outer shank");
    const std::string afterOuter = doc.SaveToText();

    doc.BeginChanges(L"Inner");
    changeEverything(doc, w);
    doc.CancelChanges(true);
    EXPECT_EQ(doc.SaveToText(), afterOuter);

    doc.BeginChanges(L"Kept inner");
    changeEverything(doc, w);
    const std::string afterKept = doc.SaveToText();
    doc.EndChanges(true, false);
    EXPECT_EQ(doc.SaveToText(), afterKept);
    doc.CancelChanges(true);
    EXPECT_EQ(doc.SaveToText(), before);
}

// The journal saves objects when they change, not when a bracket opens: changes through
// handles taken before the bracket, appends in kept inner brackets, and a holder saved only
// after an object it lists was removed must all come back on cancel.
TEST(CamDocument, ACancelUndoesChangesMadeThroughHeldHandlesAndAfterRemovals)
{
    CZkw32Doc doc;
    doc.SetRestoreCheck(true);
    const Workshop w = BuildWorkshop(doc);
    const std::string before = doc.SaveToText();
    const auto holder = std::make_shared<ToolHolderProp>(*w.endMill);
    ToolShankProp shank(*w.drill);
    ToolAdditionalParams* item = holder->GetParamsProp().GetParams(0);
    const auto length = zkaux::RealParameter::Of(9, ZKUnits::Millimeter);

    doc.BeginChanges(L"Import");
    for (int i = 0; i < 3; ++i) {
        doc.BeginChanges(L"Child");
        w.project->GetMachinings().Create()->SetName(L"Added");
        doc.EndChanges(true, false);
    }
    doc.BeginChanges(L"Update");
    item->SetLength(length);
    holder->SetName(L"Other holder");
    shank.SetDiameter(length);
    Model(&doc).GetMachinings().Remove(w.drilling);
    w.project->SetName(L"Renamed after the removal");
    doc.EndChanges(true, false);
    EXPECT_EQ(w.project->GetMachinings().GetCount(), 3);
    doc.CancelChanges(true);

    EXPECT_EQ(doc.SaveToText(), before);
    EXPECT_EQ(w.project->GetMachinings().GetAll(), std::vector<Machining*>{w.drilling});
    EXPECT_EQ(holder->GetParamsProp().GetParams(0), item);
    EXPECT_NE(item->GetLength(), length);
}

// A bracket keeps the tool id a machining replaced, not the machining's state: the old
// tool comes back whether the machining's state was saved after the change, in the same
// bracket, or not at all, and in inner and outer brackets alike.
TEST(CamDocument, ACancelBringsBackTheToolOfAMachining)
{
    CZkw32Doc doc;
    doc.SetRestoreCheck(true);
    const Workshop w = BuildWorkshop(doc);
    const std::string before = doc.SaveToText();
    Tool* const original = w.drilling->GetTool().Get();

    doc.BeginChanges(L"Outer");
    w.drilling->GetTool() = w.endMill;
    w.drilling->SetDescription(L"saved after its tool changed");
    doc.BeginChanges(L"Inner");
    w.drilling->GetTool() = nullptr;
    w.roughing->GetTool() = w.drill;
    doc.CancelChanges(true);
    EXPECT_EQ(w.drilling->GetTool().Get(), w.endMill);
    EXPECT_NE(w.roughing->GetTool().Get(), w.drill);

    doc.BeginChanges(L"Kept inner");
    w.drilling->GetTool() = w.drill;
    w.drilling->GetTool() = nullptr;
    doc.EndChanges(true, false);
    doc.CancelChanges(true);
    EXPECT_EQ(w.drilling->GetTool().Get(), original);
    EXPECT_EQ(doc.SaveToText(), before);
}

TEST(CamDocument, ReferencesToRemovedObjectsAreNotSaved)
{
    CZkw32Doc doc;
    const Workshop w = BuildWorkshop(doc);
    Model model(&doc);
    const ZKObjectID drilling = w.drilling->GetID();
    model.GetMachinings().Remove(w.drilling);
    model.GetTools().Remove(w.endMill);
    model.GetStocks().Remove(w.stock);
    doc.RemoveObject(doc.Container3D().FindMaterial(L"Titanium nitride"));
    const std::string text = doc.SaveToText();
    EXPECT_EQ(text.find("  machinings " + std::to_string(drilling.Value())), std::string::npos);
    EXPECT_EQ(text.find("slot b9c98044"), std::string::npos); // the stock slot
    EXPECT_NE(text.find("  tool 0\n"), std::string::npos);
    EXPECT_NE(text.find("  coating 0 true\n"), std::string::npos);
    EXPECT_EQ(ReadCamDocument(text)->SaveToText(), text);

    // A file that names objects it does not hold reads, and saves without them.
    std::string dangling = readFile(samplePath);
    const std::string slot = "slot 7eaf7d26-20e1-4f10-90e5-8a1dbc6dfaa9 ";
    const auto at = dangling.find(slot);
    ASSERT_NE(at, std::string::npos);
    dangling.replace(at + slot.size(), 2, "99");
    const std::string resaved = ReadCamDocument(dangling)->SaveToText();
    EXPECT_EQ(resaved.find(slot), std::string::npos);
}

TEST(CamDocument, MalformedCamLinesAreRejectedWithTheirFault)
{
    const std::string sample = readFile(samplePath);
    struct Case {
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"logic ae471e72-676d-4739-9418-bc4000adb986", "logic ae471e72-676d-4739-9418-bc4000adb987",
         "unknown tool kind ae471e72-676d-4739-9418-bc4000adb987"},
        {"strategy 6fc33699", "strategy 0fc33699", "unknown strategy kind"},
        {"double 12 mm", "double 12 furlong", "unknown unit \"furlong\""},
        {"double 12 mm", "decimal 12 mm", "unknown value kind \"decimal\""},
        {"double 12 mm", "double twelve mm", "\"twelve\" is not a number"},
        {"stock-type 1", "stock-type 7", "a stock type must be 0 to 4"},
        {"    length 1.25 in\n", "", "missing line \"length\""},
        {"  parent-owner 0\n", "  parent-owner 0\n  colour red\n", "unknown line \"colour\""},
        {"geometry-set 61d9cd76-5d7b-4517-b58b-ce57e5bbfcbe", "geometry-set 61d9cd76-5d7b-4517-b58b-ce57e5bbfcbf",
         "unknown geometry-set type"},
        {"  density 7.85", "  density -1", "a density must be positive"},
        {"double 12 mm", "double nan mm", "\"nan\" is not a finite number"},
        {"double 12 mm", "double -inf mm", "\"-inf\" is not a finite number"},
    };
    for (const Case& c : cases) {
        std::string text = sample;
        const auto at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        text.replace(at, std::string(c.from).size(), c.to);
        try {
            ReadCamDocument(text);
            ADD_FAILURE() << "accepted: " << c.to;
        } catch (const Vireo::Host::DocumentFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find("line "), std::string::npos) << error.what();
        }
    }
}

TEST(CamDocument, AGroupAmongItsOwnChildGroupsIsRefusedAtItsLine)
{
    for (const bool direct : {true, false}) {
        CZkw32Doc doc;
        Model model(&doc);
        MachiningGroup* outer = model.GetMachiningProjects().Create()->GetMachiningGroups().Create();
        MachiningGroup* inner = outer->GetChildGroups().Create();
        model.GetMachiningGroups().Create(); // a group outside the loop
        ASSERT_TRUE(direct ? inner->GetChildGroups().Add(inner) : inner->GetChildGroups().Add(outer));
        const std::string text = doc.SaveToText();
        try {
            ReadCamDocument(text);
            ADD_FAILURE() << "accepted";
        } catch (const Vireo::Host::DocumentFormatError& error) {
            const std::string message = error.what();
            const auto line = std::stoul(message.substr(message.find("line ") + 5));
            std::istringstream lines(text);
            std::string current;
            for (unsigned long i = 0; i < line; ++i)
                std::getline(lines, current);
            EXPECT_EQ(current.rfind("object ", 0), 0u) << message;
            EXPECT_NE(current.find(" MachiningGroup {"), std::string::npos) << message;
            EXPECT_NE(message.find("is among its own child groups"), std::string::npos) << message;
        }
    }
}

TEST(CamDocument, AMissingFileIsNamedAndASavedFileIsReplacedWhole)
{
    try {
        OpenCamDocument("/nonexistent/shop.vcam");
        ADD_FAILURE() << "opened";
    } catch (const Vireo::Host::DocumentFormatError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("/nonexistent/shop.vcam: cannot be read", 0), 0u) << message;
        EXPECT_EQ(message.find("line"), std::string::npos) << message;
    }

    const auto path = std::filesystem::temp_directory_path() / "vireo-cam-save-test.vcam";
    std::ofstream(path) << "an older document that is longer than the new one will be" << std::string(100000, '.');
    CZkw32Doc doc;
    Model(&doc).GetMachiningProjects().Create()->SetName(L"Replaced");
    doc.SaveToFile(path);
    EXPECT_EQ(readFile(path), doc.SaveToText());
    std::filesystem::path leftover = path;
    leftover += ".saving";
    EXPECT_FALSE(std::filesystem::exists(leftover));
    std::filesystem::remove(path);
}

} // namespace
