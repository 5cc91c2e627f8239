#include "PdmCamTestSupport.h"
#include "tests/pdm/testing/FaultSweep.h"

#include "pdm/links/ObjectId.h"
#include "pdm/convert/CamLink.h"
#include "pdm/convert/PdmCamComparator.h"
#include "pdm/convert/internal/PdmCamValue.h"
#include "platform/ui/I18n.h"

#include <cmath>
#include <map>
#include <set>

namespace Vireo::Cam::Pdm::Testing {
namespace {

namespace Model = Vireo::Arbor::Model;
using namespace Vireo::Cam::Pdm::internal;
using Vireo::Testing::DocumentState;
using Vireo::Testing::ExpectDocumentAsBefore;
using zktypes::ZKUnits::Degree;
using zktypes::ZKUnits::Millimeter;
using zktypes::ZKUnits::MillimeterPerMinute;

class PdmCamCreatorTest : public ShopTest {
protected:
    template <class T>
    std::vector<T*> all() const
    {
        return Cam::ModelList<T>(const_cast<CZkw32Doc*>(&doc)).GetAll();
    }
    CamObject camOf(CZKObject* object) const { return CamObject(object); }

    // A machining "Facing" the PDM gained under the project after the import.
    static constexpr wchar_t Facing[] = L"30000000-0000-4000-8000-0000000000b1";
    void seedFacing()
    {
        namespace S = Vireo::Testing::Seed;
        pdm.SeedText(S::Pdm({S::Reference(
            Shop::Reference, "",
            {S::Object({Facing, Shop::MachiningClass, {{Shop::Name, "Facing"}, {Shop::Kind, "MillFace"}}, 11,
                        {Shop::Project}})})}));
    }

    // The PDM ids the object's link names.
    static std::optional<ObjectId> linkOf(const CamObject& object)
    {
        return GetObjectIdFromUri(CamObjectManager::GetUri(object));
    }
};

TEST_F(PdmCamCreatorTest, ImportsTheProjectSubtreeWithOneSharedToolAndOneStock)
{
    ASSERT_TRUE(importProject());
    EXPECT_TRUE(pdm.Ui().Messages().empty());
    EXPECT_EQ(all<Cam::MachiningProject>().size(), 1u);
    EXPECT_EQ(all<Cam::MachiningGroup>().size(), 1u);
    ASSERT_EQ(all<Cam::Machining>().size(), 2u);
    ASSERT_EQ(all<Cam::Tool>().size(), 1u);
    EXPECT_EQ(all<Cam::Stock>().size(), 1u) << "the blank below the group is the project's blank";
    EXPECT_EQ(all<Cam::Part>().size(), 1u);
    EXPECT_EQ(all<Cam::Fixture>().size(), 1u);

    Cam::Tool* tool = all<Cam::Tool>()[0];
    for (Cam::Machining* machining : all<Cam::Machining>())
        EXPECT_EQ(machining->GetTool().Get(), tool) << "tools are shared, not copied";

    const CamObject camTool = camOf(tool);
    EXPECT_TRUE(CamObjectManager::IsCamObject(camTool, L"ToolMillEnd"));
    EXPECT_EQ(text(camTool, L"Name"), L"End mill 12");
    EXPECT_DOUBLE_EQ(number(camTool, L"D", Millimeter), 12.0) << "metres in the PDM, millimetres in CAM";
    EXPECT_TRUE(CamObjectManager::IsCamObject(camOf(all<Cam::Stock>()[0]), L"StockBlock"));
    EXPECT_EQ(text(project, L"Description"), L"Five-axis housing");
    for (Cam::Machining* machining : all<Cam::Machining>()) {
        const CamObject camMachining = camOf(machining);
        const bool layers = text(camMachining, L"Name") == L"Layers";
        EXPECT_TRUE(CamObjectManager::IsCamObject(camMachining, layers ? L"MillLayers" : L"HoleDrill"));
        EXPECT_DOUBLE_EQ(number(camMachining, L"Feed", MillimeterPerMinute), layers ? 800.0 : 120.0)
            << "a PDM number without unit arrives in the CAM unit";
    }

    // Every created object carries a link that names its own PDM object.
    const auto check = [&](CZKObject* object, const wchar_t* guid) {
        const auto link = linkOf(camOf(object));
        ASSERT_TRUE(link) << guid;
        EXPECT_EQ(link->first, shop->Id());
        EXPECT_EQ(link->second, pdmObject(guid)->Id()) << guid;
    };
    check(DocumentObjectOf(project), Shop::Project);
    check(all<Cam::MachiningGroup>()[0], Shop::Group);
    check(tool, Shop::EndMill);
    check(all<Cam::Stock>()[0], Shop::Blank);
    check(all<Cam::Part>()[0], Shop::Part);
    check(all<Cam::Fixture>()[0], Shop::Vice);

    EXPECT_EQ(doc.GetChangeDepth(), 0);
    const std::vector<std::wstring> steps{L"Created cam objects from pdm"};
    EXPECT_EQ(doc.GetUndoSteps(), steps) << "the children's brackets nest in the project's";
}

TEST_F(PdmCamCreatorTest, AGenericStockIsCreatedAsTheTypeItsSelectorNames)
{
    ASSERT_TRUE(importProject(false));
    const std::string before = doc.SaveToText();
    PdmCamCreator kindless(pdmObject(Shop::KindlessStock), &doc, project);
    EXPECT_FALSE(IntegrationManager().MakeData(kindless));
    EXPECT_TRUE(CamObjectManager::IsNull(kindless.GetCamObject()));
    EXPECT_TRUE(doc.SaveToText() == before) << "the document is as it was";

    PdmCamCreator blank(pdmObject(Shop::Blank), &doc, project);
    ASSERT_TRUE(IntegrationManager().MakeData(blank));
    EXPECT_TRUE(CamObjectManager::IsCamObject(blank.GetCamObject(), L"StockBlock"));
    EXPECT_EQ(text(blank.GetCamObject(), L"Description"), L"Block blank");
}

TEST_F(PdmCamCreatorTest, ACreationTryMakesNothingAndSucceedsOnTheFirstApplicableRow)
{
    PdmCamCreator creator(System::Guid::Parse(Shop::Project), System::Guid::Parse(Shop::Reference), &doc,
                          UI::MachiningProjectsNode);
    creator.SetCreationTry(true);
    creator.SetRecursive(true);
    EXPECT_TRUE(IntegrationManager().MakeData(creator));
    EXPECT_TRUE(CamObjectManager::IsNull(creator.GetCamObject()));
    EXPECT_TRUE(doc.GetObjects().empty());
    EXPECT_TRUE(doc.GetUndoSteps().empty());

    PdmCamCreator wrongPlace(System::Guid::Parse(Shop::EndMill), System::Guid::Parse(Shop::Reference), &doc,
                             UI::MachiningProjectsNode);
    wrongPlace.SetCreationTry(true);
    EXPECT_FALSE(IntegrationManager().MakeData(wrongPlace)) << "no tool type may be made in the projects folder";
}

TEST_F(PdmCamCreatorTest, AReadErrorShowsItsMessageAndLeavesTheDocumentAsItWas)
{
    struct Case {
        Model::FaultPoint point;
        std::size_t nth;
        const wchar_t* key;
    };
    // The project's owner link is read before the project is made; the owner's own link and
    // table are read after the project has been made and filled.
    const Case cases[] = {
        {Model::FaultPoint::LinkRead, 1, L"VireoCAM:PDM.Message.ErrorOfGettingReferenceLinkObject"},
        {Model::FaultPoint::LinkRead, 2, L"VireoCAM:PDM.Message.ErrorOfGettingReferenceLinkObject"},
        {Model::FaultPoint::TableRead, 1, L"VireoCAM:PDM.Message.ErrorOfGettingReferenceListObject"},
    };
    PdmCamCreator warmUp(System::Guid::Parse(Shop::Project), System::Guid::Parse(Shop::Reference), &doc,
                         UI::MachiningProjectsNode);
    warmUp.SetCreationTry(true);
    ASSERT_TRUE(IntegrationManager().MakeData(warmUp)) << "loads the rules, so that no rule row is read below";
    ASSERT_TRUE(importProject(false));
    const DocumentState before = DocumentState::Of(doc);
    for (const Case& c : cases) {
        pdm.Ui().Clear();
        pdm.Faults().Reset();
        pdm.Faults().FailAt(c.point, c.nth);
        EXPECT_FALSE(importProject(false));
        ASSERT_EQ(pdm.Ui().Messages().size(), 1u);
        const std::wstring headline = I18n::Translate(c.key) + L"\n\n";
        EXPECT_EQ(pdm.Ui().Messages()[0].text.substr(0, headline.size()), headline);
        ExpectDocumentAsBefore(doc, before);
    }
}

TEST_F(PdmCamCreatorTest, UpdatingRestoresValuesAndAddsNewChildrenWithoutDeleting)
{
    ASSERT_TRUE(importProject());
    CamObject tool = camOf(all<Cam::Tool>()[0]);
    CamObjectManager(tool).SetValue(L"D", Cam::DoubleValue(30, Millimeter));
    CamObjectManager(project).SetValue(L"Name", Cam::StringValue(L"Renamed"));
    // A CAM machining whose PDM object is gone.
    CamObject orphan = CamObjectManager::MakeCamObject(&doc, L"MillFace", project);
    ASSERT_FALSE(CamObjectManager::IsNull(orphan));
    CamObjectManager::SetUri(orphan, GetUriFromObjectId(shop->Id(), 999999, L"nowhere"));
    seedFacing();

    const auto link = GetObjectIdFromUri(CamObjectManager::GetUri(project));
    ASSERT_TRUE(link);
    const auto [referenceId, objectId] = *link;
    const auto update = [&] {
        PdmCamCreator updater(objectId, referenceId, project);
        updater.SetRecursive(true);
        return IntegrationManager().MakeData(updater);
    };
    ASSERT_TRUE(update());
    EXPECT_DOUBLE_EQ(number(tool, L"D", Millimeter), 12.0);
    EXPECT_EQ(text(project, L"Name"), L"Housing");
    ASSERT_EQ(all<Cam::Machining>().size(), 4u) << "the new machining is made, the orphan stays";
    EXPECT_EQ(all<Cam::Tool>().size(), 1u);
    EXPECT_EQ(all<Cam::Stock>().size(), 1u);
    std::vector<std::wstring> names;
    for (Cam::Machining* machining : all<Cam::Machining>())
        names.push_back(machining->GetName());
    EXPECT_NE(std::find(names.begin(), names.end(), L"Facing"), names.end());

    const std::string updated = doc.SaveToText();
    ASSERT_TRUE(update());
    EXPECT_EQ(doc.SaveToText(), updated) << "a second update changes nothing";
}

TEST_F(PdmCamCreatorTest, AHierarchyLeadingBackToAnAncestorEndsImportAndUpdateWithOneMessage)
{
    ASSERT_TRUE(importProject());
    const auto link = GetObjectIdFromUri(CamObjectManager::GetUri(project));
    ASSERT_TRUE(link);
    // The group lists its own project among its children.
    auto group = pdmObject(Shop::Group);
    auto loop = group->CreateChildLink(pdmObject(Shop::Project));
    ASSERT_TRUE(loop && loop->EndChanges() && group->ApplyChanges());
    const DocumentState before = DocumentState::Of(doc);

    const auto expectOneMessageAndNoChange = [&](const char* what) {
        SCOPED_TRACE(what);
        ASSERT_EQ(pdm.Ui().Messages().size(), 1u);
        EXPECT_NE(pdm.Ui().Messages()[0].text.find(L"among its own ancestors"), std::wstring::npos);
        ExpectDocumentAsBefore(doc, before);
        pdm.Ui().Clear();
    };
    pdm.Ui().Clear();
    PdmCamCreator updater(link->second, link->first, project);
    updater.SetRecursive(true);
    EXPECT_FALSE(IntegrationManager().MakeData(updater));
    expectOneMessageAndNoChange("update");

    PdmCamCreator creator(System::Guid::Parse(Shop::Project), System::Guid::Parse(Shop::Reference), &doc,
                          UI::MachiningProjectsNode);
    creator.SetRecursive(true);
    EXPECT_FALSE(IntegrationManager().MakeData(creator));
    expectOneMessageAndNoChange("import");
}

TEST_F(PdmCamCreatorTest, NumbersArriveInTheCamUnitOnlyWhenBothUnitsMeasureTheSameQuantity)
{
    const auto geometry = shop->ParameterGroup()->GetAllGroups().Find(System::Guid::Parse(Shop::Geometry));
    const auto parameter = [&](const wchar_t* guid, double value) {
        return Model::Parameter(geometry->Item(System::Guid::Parse(guid)), Model::ObjectValue(value));
    };
    const auto& units = zktypes::Units::Instance();
    const zktypes::Unit* mm = units.GetUnitByCode(Millimeter);
    const zktypes::Unit* degree = units.GetUnitByCode(Degree);
    const zktypes::Unit* metre = units.GetUnitByCode(zktypes::ZKUnits::Meter);
    struct Case {
        const wchar_t* pdmParameter;
        double pdmNumber;
        const zktypes::Unit* camUnit;
        double expected;
        const zktypes::Unit* expectedUnit;
    };
    const Case cases[] = {
        {Shop::D, 0.025, mm, 25, mm},             // same quantity: converted
        {Shop::D, 0.025, degree, 0.025, metre},   // other quantity: the PDM unit
        {Shop::D, 0.025, nullptr, 0.025, nullptr}, // no CAM unit: no unit
        {Shop::Plain, 0.025, mm, 0.025, mm},      // no PDM unit: the CAM unit
        {Shop::Plain, 0.025, nullptr, 0.025, nullptr},
        {Shop::Angle, M_PI, degree, 180, degree},
    };
    for (const Case& c : cases) {
        const auto value = MakeCamValueFromPdm(parameter(c.pdmParameter, c.pdmNumber), Cam::DoubleValue(1, c.camUnit));
        ASSERT_TRUE(value && value->AsDouble());
        EXPECT_NEAR(value->AsDouble()->GetValue(), c.expected, 1e-9);
        EXPECT_EQ(value->AsDouble()->GetUnit(), c.expectedUnit);
    }
    const Model::Parameter teeth(geometry->Item(System::Guid::Parse(Shop::Z)), Model::ObjectValue(4));
    EXPECT_EQ(MakeCamValueFromPdm(teeth, Cam::IntValue(0))->AsInt()->GetValue(), 4);
    EXPECT_EQ(MakeCamValueFromPdm(teeth, Cam::StringValue(L""))->AsString()->GetValue(), L"4");
    EXPECT_TRUE(MakeCamValueFromPdm(teeth, Cam::BoolValue(false))->AsBool()->GetValue());
    EXPECT_FALSE(MakeCamValueFromPdm(teeth, Cam::CalculatedValue(L"x", 1)));
}

// Cutters: the selector "Kind" is a parameter of the reference's own group, the diameter
// sits in a group whose key sorts after it, so the diameter's group is handled first.
namespace Cutters {
constexpr wchar_t Reference[] = L"50000000-0000-4000-8000-000000000000";
constexpr wchar_t Kind[] = L"50000000-0000-4000-8000-000000000001";
constexpr wchar_t Sizes[] = L"5f000000-0000-4000-8000-000000000000";
constexpr wchar_t D[] = L"5f000000-0000-4000-8000-000000000001";
constexpr wchar_t Cutter[] = L"50000000-0000-4000-8000-0000000000c1";
constexpr wchar_t EndMill[] = L"50000000-0000-4000-8000-0000000000a1";
} // namespace Cutters

TEST_F(PdmCamCreatorTest, AGenericTypeIsChosenFromAllRowsWhateverOrderTheGroupsAreHandledIn)
{
    namespace S = Vireo::Testing::Seed;
    using namespace Cutters;
    using Vireo::Testing::RulePath;
    pdm.SeedText(S::Pdm({S::Reference(Cutters::Reference, "Cutters",
                                      {S::Parameter({Kind, "Kind"}), S::Group(Sizes, "Sizes", {{D, "D", "double", Metre}}),
                                       S::Class(Cutter, "Cutter"),
                                       S::Object({EndMill, Cutter, {{Kind, "ToolMillEnd"}, {D, "0.016"}}})})}));
    Vireo::Testing::RuleObjectSeed rules;
    rules.name = L"Cutters";
    rules.appCode = L"VIREO CAM";
    rules.datasetGuid = Cutters::Reference;
    rules.types = {{L"Tool", Cutter}};
    rules.params = {{L"ToolType", RulePath({Cutters::Reference, Kind})}, {L"D", RulePath({Cutters::Reference, Sizes, D})}};
    Vireo::Testing::SeedRuleObjects(pdm, {rules});
    const CamObject owner = CamObjectManager::MakeCamObject(&doc, L"MachiningProject", CamObject{});
    CamObject machining = CamObjectManager::MakeCamObject(&doc, L"MillLayers", owner);
    ASSERT_FALSE(CamObjectManager::IsNull(machining));

    PdmCamCreator creator(System::Guid::Parse(EndMill), System::Guid::Parse(Cutters::Reference), &doc, machining);
    ASSERT_TRUE(IntegrationManager().MakeData(creator));
    const CamObject tool = creator.GetCamObject();
    EXPECT_EQ(CamObjectManager(tool).GetAppType(), L"ToolMillEnd");
    EXPECT_DOUBLE_EQ(number(tool, L"D", Millimeter), 16.0);

    const auto link = linkOf(tool);
    ASSERT_TRUE(link);
    PdmCamComparator comparator(link->second, link->first, tool);
    ASSERT_TRUE(IntegrationManager().MakeData(comparator));
    EXPECT_FALSE(comparator.IsDifferent()) << "what the import wrote is what the comparator reads";
}

// The update writes only into a CAM object of the type the PDM object stands for, as the
// comparator compares only then.
TEST_F(PdmCamCreatorTest, AnUpdateFromAPdmObjectOfAnotherTypeChangesNothing)
{
    ASSERT_TRUE(importProject());
    CamObject tool = camOf(all<Cam::Tool>()[0]);
    const auto drill = pdmObject(Shop::Drill);
    PdmCamComparator comparator(drill->Id(), shop->Id(), tool);
    EXPECT_FALSE(IntegrationManager().MakeData(comparator));
    EXPECT_TRUE(comparator.GetParameters().empty());
    EXPECT_FALSE(comparator.IsDifferent());

    const std::string before = doc.SaveToText();
    PdmCamCreator updater(drill->Id(), shop->Id(), tool);
    EXPECT_FALSE(IntegrationManager().MakeData(updater));
    EXPECT_DOUBLE_EQ(number(tool, L"D", Millimeter), 12.0);
    EXPECT_EQ(text(tool, L"Name"), L"End mill 12");
    EXPECT_TRUE(doc.SaveToText() == before) << "the document is as it was";
}

TEST_F(PdmCamCreatorTest, AReadOnlyDocumentGetsNoObjects)
{
    doc.SetReadOnly(true);
    EXPECT_FALSE(importProject());
    EXPECT_TRUE(doc.GetObjects().empty());
    EXPECT_TRUE(CamObjectManager::IsNull(project));
}

// A tool, stock, part or fixture the PDM put under another object since the import is
// attached there, not imported a second time; a child with a broken link is left out.
TEST_F(PdmCamCreatorTest, UpdateAttachesObjectsAlreadyInTheDocumentAndSkipsBrokenLinks)
{
    ASSERT_TRUE(importProject());
    ASSERT_EQ(all<Cam::Tool>().size(), 1u);
    seedFacing();
    const auto facing = pdmObject(Facing);
    for (const wchar_t* shared : {Shop::EndMill, Shop::Part}) {
        auto link = facing->CreateChildLink(pdmObject(shared));
        ASSERT_TRUE(link && link->EndChanges());
    }
    ASSERT_TRUE(facing->ApplyChanges());
    // The drilling machining's link no longer decodes.
    Cam::Machining* drilling = nullptr;
    for (Cam::Machining* machining : all<Cam::Machining>())
        if (machining->GetName() == L"Drill holes")
            drilling = machining;
    ASSERT_TRUE(drilling);
    const std::wstring broken = L"arbor://pdm/OpenReferenceWindow/?refId=%FF&objId=4";
    CamObjectManager::SetUri(camOf(drilling), broken);
    pdm.Ui().Clear();

    const auto link = linkOf(project);
    ASSERT_TRUE(link);
    PdmCamCreator updater(link->second, link->first, project);
    updater.SetRecursive(true);
    ASSERT_TRUE(IntegrationManager().MakeData(updater));

    EXPECT_EQ(all<Cam::Tool>().size(), 1u);
    EXPECT_EQ(all<Cam::Part>().size(), 1u);
    std::map<ObjectId, int> linked;
    for (CZKObject* object : doc.GetObjects())
        if (const CamLink read = ReadCamLink(camOf(object)); read.state == CamLink::State::Linked)
            ++linked[read.id];
    for (const auto& [id, count] : linked)
        EXPECT_EQ(count, 1) << "object " << id.second << " is linked from " << count << " CAM objects";
    Cam::Machining* facingMachining = nullptr;
    for (Cam::Machining* machining : all<Cam::Machining>())
        if (machining->GetName() == L"Facing")
            facingMachining = machining;
    ASSERT_TRUE(facingMachining);
    const auto children = CamObjectManager(camOf(facingMachining)).GetChildCamObjects(true);
    std::set<std::wstring> childTypes;
    for (const CamObject& child : children)
        childTypes.emplace(CamObjectManager(child).GetAppType());
    EXPECT_TRUE(childTypes.contains(L"ToolMillEnd"));
    EXPECT_TRUE(childTypes.contains(L"Part"));

    EXPECT_EQ(CamObjectManager::GetUri(camOf(drilling)), broken);
    ASSERT_EQ(pdm.Ui().Messages().size(), 1u);
    EXPECT_NE(pdm.Ui().Messages()[0].text.find(broken), std::wstring::npos);
}

// A drop onto the tools folder or the shared geometry sets folder asks for the types that
// folder holds and no others.
TEST_F(PdmCamCreatorTest, ADropOntoAFolderAsksForWhatThatFolderHolds)
{
    const auto typesFor = [](UI::DragSpecialNode node) {
        PdmCamCreator creator(System::Guid::Parse(Shop::EndMill), System::Guid::Parse(Shop::Reference), nullptr, node);
        const auto filter = creator.GetAppFilter();
        std::set<std::wstring> names;
        if (filter.size() == 1 && filter.begin()->second)
            for (const auto& [name, dataType] : *filter.begin()->second)
                names.insert(name);
        return names;
    };
    const auto expected = [](std::wstring_view folder) {
        std::set<std::wstring> names;
        for (std::wstring_view name : CamObjectManager::GetChildAppTypes(folder))
            names.emplace(name);
        return names;
    };
    const auto tools = typesFor(UI::ToolsNode);
    const auto sets = typesFor(UI::SharedGeometrySetsNode);
    EXPECT_EQ(tools, expected(L"ToolsFolder"));
    EXPECT_EQ(sets, expected(L"SharedGeometrySetsFolder"));
    EXPECT_FALSE(tools.empty());
    EXPECT_FALSE(sets.empty());
    EXPECT_FALSE(tools.contains(L"MachiningProject"));
    EXPECT_FALSE(sets.contains(L"MachiningProject"));
    EXPECT_NE(tools, sets);

    // Dropped onto the tools folder, a tool is made and a project is not.
    PdmCamCreator tool(System::Guid::Parse(Shop::EndMill), System::Guid::Parse(Shop::Reference), &doc, UI::ToolsNode);
    EXPECT_TRUE(IntegrationManager().MakeData(tool));
    EXPECT_EQ(CamObjectManager(tool.GetCamObject()).GetAppType(), L"ToolMillEnd");
    PdmCamCreator projectOnTools(System::Guid::Parse(Shop::Project), System::Guid::Parse(Shop::Reference), &doc,
                                 UI::ToolsNode);
    EXPECT_FALSE(IntegrationManager().MakeData(projectOnTools));
    EXPECT_TRUE(all<Cam::MachiningProject>().empty());
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
