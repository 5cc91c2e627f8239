// The synchronisation dialog on the shipped data, driven through its controls: the list it
// builds, the selection rules, the link operations and apply.

#include "DialogDriver.h"

#include "ShippedRules.h"
#include "tests/pdm/testing/FaultSweep.h"
#include "tests/pdm/testing/RuleSeed.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/SystemGuid.h"
#include "platform/cam/Model.h"
#include "platform/host/Zkw32Doc.h"

#include <gtest/gtest.h>

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;
using zkpf::CheckState;
using Column = SynchronizeDialog;

class SynchronizeDialogTest : public ::testing::Test {
protected:
    void SetUp() override { pdm = MakeTechnologyPdm(); }

    void Import()
    {
        PdmCamCreator creator(System::Guid::Parse(SampleProjectGuid), System::Guid::Parse(TechnologyReferenceGuid),
                              &doc, CamObject());
        creator.SetRecursive(true);
        ASSERT_TRUE(IntegrationManager().MakeData(creator));
    }

    CamObject Object(const std::wstring& name)
    {
        for (CZKObject* object : doc.GetObjects()) {
            const CamObject handle(object);
            const CamValuePtr value = CamObjectManager(handle).GetValue(L"Name");
            if (value && value->AsString() && value->AsString()->GetValue() == name)
                return handle;
        }
        ADD_FAILURE() << "no object named " << std::string(name.begin(), name.end());
        return CamObject();
    }

    void SetDouble(const std::wstring& object, const std::wstring& parameter, double value)
    {
        CamObjectManager manager(Object(object));
        const CamValuePtr current = manager.GetValue(parameter);
        ASSERT_TRUE(current && current->AsDouble());
        Cam::DoubleValue changed(*current->AsDouble());
        changed.SetValue(value);
        ASSERT_TRUE(doc.BeginChanges(L"test"));
        ASSERT_TRUE(manager.SetValue(parameter, changed));
        doc.EndChanges(true, false);
    }

    double Double(const std::wstring& object, const std::wstring& parameter)
    {
        const CamValuePtr value = CamObjectManager(Object(object)).GetValue(parameter);
        return value && value->AsDouble() ? value->AsDouble()->GetValue() : -1;
    }

    // The unchecked parameter rows, as "object/parameter".
    static std::vector<std::wstring> Differences(const DialogDriver& view)
    {
        std::vector<std::wstring> differing;
        for (int row = SynchronizeDialog::FolderCount; row < view.List().GetRowCount(); ++row) {
            const int parent = view.List().GetParentRow(row);
            const bool parameter = view.List().GetText(row, SynchronizeDialog::ValueColumn) != nullptr;
            if (parameter && view.Status(row) != CheckState::Checked)
                differing.push_back(view.Text(parent, 0) + L"/" + view.Text(row, 0));
        }
        return differing;
    }

    std::unique_ptr<PdmFixture> pdm;
    CZkw32Doc doc;
};

TEST_F(SynchronizeDialogTest, EmptyDocumentShowsSevenFoldersAndNoLinkButton)
{
    SynchronizeDialog dialog(&doc);
    DialogDriver view(dialog);

    ASSERT_EQ(view.List().GetRowCount(), 7);
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(view.List().GetRowId(row), row);
        EXPECT_EQ(view.List().GetRowById(row), row);
    }
    EXPECT_EQ(view.Text(3, 0), L"Tools");
    EXPECT_TRUE(view.List().GetColumn(SynchronizeDialog::LinkColumn).hidden);
    view.List().Select(3);
    EXPECT_EQ(view.LinkButtonsEnabled(), std::vector<bool>(5, false));
    EXPECT_FALSE(view.Apply().IsEnabled());
    EXPECT_EQ(dialog.GetTitle(), L"Synchronization with PDM");
    EXPECT_EQ(dialog.GetSize(), std::make_pair(800, 600));
}

TEST_F(SynchronizeDialogTest, ToolRowsListPartsWithTheirItemsBeforeTheToolsParameters)
{
    Import();
    SynchronizeDialog dialog(&doc);
    DialogDriver view(dialog);

    const int tool = view.Row(L"End mill D12", view.Row(L"Tools"));
    const int holder = view.Row(L"HSK63 shrink-fit chuck", tool);
    const int item = view.Row(L"Clamping cone", holder);
    const int extension = view.Row(L"Extension 50", item);
    EXPECT_EQ(view.List().GetParentRow(tool), 3);
    EXPECT_EQ(view.List().GetParentRow(holder), tool);
    EXPECT_EQ(view.List().GetParentRow(item), holder);
    // Rows in insertion order: holder, its item, the item's parameters, the holder's
    // parameters, then the extension; the tool's own parameters close the block.
    const int itemParameter = view.ParameterRow(item, L"Bottom diameter");
    const int holderParameter = view.ParameterRow(holder, L"Holder overhang");
    const int toolParameter = view.ParameterRow(tool, L"Diameter");
    EXPECT_LT(item, itemParameter);
    EXPECT_LT(itemParameter, holderParameter);
    EXPECT_LT(holderParameter, extension);
    EXPECT_LT(extension, toolParameter);
    // While the list is built, row index and row identifier coincide.
    for (int row = 0; row < view.List().GetRowCount(); ++row)
        ASSERT_EQ(view.List().GetRowId(row), row);

    // Everything was just imported: in sync, and linked.
    EXPECT_EQ(view.Status(tool), CheckState::Checked);
    EXPECT_TRUE(Differences(view).empty());
    view.List().Select(toolParameter); // a parameter row selects its object
    EXPECT_EQ(view.LinkButtonsEnabled(), (std::vector<bool>{true, true, true, false, false}));
}

TEST_F(SynchronizeDialogTest, ChangedValuesDifferAndUpdatingAllFromLinksRestoresThem)
{
    Import();
    SetDouble(L"Pocket roughing", L"Feed", 1600);
    SetDouble(L"End mill D12", L"D", 10);
    SetDouble(L"Outer contour", L"Depth", 41);
    {
        SynchronizeDialog dialog(&doc);
        DialogDriver view(dialog);
        EXPECT_EQ(Differences(view), (std::vector<std::wstring>{L"Pocket roughing/Feed rate", L"Outer contour/Depth",
                                                                 L"End mill D12/Diameter"}));
        const int tool = view.Row(L"End mill D12", view.Row(L"Tools"));
        EXPECT_EQ(view.Status(tool), CheckState::ThirdState);
        EXPECT_EQ(view.Text(view.ParameterRow(tool, L"Diameter"), SynchronizeDialog::ValueColumn), L"10.000000 mm");

        view.PickUpdate(tool, 3);
        EXPECT_TRUE(Differences(view).empty());
        EXPECT_EQ(view.Status(tool), CheckState::Checked);
        EXPECT_EQ(view.Text(view.ParameterRow(tool, L"Diameter"), SynchronizeDialog::ValueColumn), L"12.000000 mm");
        EXPECT_EQ(Double(L"End mill D12", L"D"), 10); // the list is a working copy
        ASSERT_TRUE(view.Apply().IsEnabled());
        view.Apply().Click();
        EXPECT_EQ(dialog.GetEndResult(), 0);
    }
    EXPECT_EQ(Double(L"Pocket roughing", L"Feed"), 1500);
    EXPECT_EQ(Double(L"End mill D12", L"D"), 12);
    EXPECT_EQ(Double(L"Outer contour", L"Depth"), 40);
    SynchronizeDialog again(&doc);
    EXPECT_TRUE(Differences(DialogDriver(again)).empty());
}

TEST_F(SynchronizeDialogTest, ObjectWhoseLinkedComparisonFailsIsComparedOnItsOwn)
{
    Import();
    ASSERT_TRUE(doc.BeginChanges(L"test"));
    CamObjectManager::SetUri(Object(L"Pocket roughing"), L"arbor://localhost/OpenReferenceWindow/?refId=12&objId=99999");
    doc.EndChanges(true, false);

    SynchronizeDialog dialog(&doc);
    DialogDriver view(dialog);
    const int machining = view.Row(L"Pocket roughing", view.Row(L"Machinings"));
    EXPECT_EQ(view.Status(machining), CheckState::ThirdState);
    EXPECT_EQ(view.Text(view.ParameterRow(machining, L"Feed rate"), SynchronizeDialog::ValueColumn), L"1500.000000 mm/min");
    EXPECT_EQ(view.Status(view.ParameterRow(machining, L"Feed rate")), CheckState::Unchecked);

    // Refreshing it finds no PDM value: the status stays, the row is recorded all the same.
    view.PickUpdate(machining, 1);
    EXPECT_EQ(view.Status(machining), CheckState::ThirdState);
    EXPECT_TRUE(view.Apply().IsEnabled());
}

TEST_F(SynchronizeDialogTest, RemovedLinkIsRemovedByApplyWithoutWritingValues)
{
    Import();
    SetDouble(L"Pocket roughing", L"Feed", 1600);
    {
        SynchronizeDialog dialog(&doc);
        DialogDriver view(dialog);
        const int machining = view.Row(L"Pocket roughing", view.Row(L"Machinings"));
        view.List().Select(machining);
        view.Button(DialogDriver::Delete).Click();
        EXPECT_EQ(view.Status(machining), CheckState::Unchecked);
        EXPECT_EQ(view.Text(machining, SynchronizeDialog::LinkColumn), L"");
        EXPECT_EQ(view.Text(view.ParameterRow(machining, L"Feed rate"), SynchronizeDialog::ValueColumn), L"1600.000000 mm/min");
        EXPECT_EQ(view.LinkButtonsEnabled(), (std::vector<bool>{false, false, false, true, true}));
        // An unlinked object has nothing to refresh.
        EXPECT_FALSE(view.Button(DialogDriver::Update).Click());
        view.Apply().Click();
    }
    EXPECT_EQ(CamObjectManager::GetUri(Object(L"Pocket roughing")), L"");
    EXPECT_EQ(Double(L"Pocket roughing", L"Feed"), 1600);
    EXPECT_NE(CamObjectManager::GetUri(Object(L"Roughing")), L"");
}

class LinkSearch : public SynchronizeDialogTest {
protected:
    // The tool of the sample, its link removed in the list (not yet in the document).
    int UnlinkedTool(DialogDriver& view)
    {
        const int tool = view.Row(L"End mill D12", view.Row(L"Tools"));
        view.List().Select(tool);
        view.Button(DialogDriver::Delete).Click();
        return tool;
    }

    // Opens the link-target menu of `button` and picks the technology reference's entry.
    void PickTechnology(DialogDriver& view, DialogDriver::ButtonIndex button)
    {
        view.Button(button).Click();
        ASSERT_TRUE(view.Button(button).IsContextMenuOpen());
        const auto& items = view.Button(button).GetContextMenu()->GetItems();
        const auto technology =
            std::find_if(items.begin(), items.end(), [](const auto& item) { return item.text.find(L"echnolog") != std::wstring::npos; });
        ASSERT_NE(technology, items.end()) << items.size() << " items, first: "
                                           << std::string(items.front().text.begin(), items.front().text.end());
        ASSERT_TRUE(view.Button(button).PickContextMenuItem(technology->id));
    }
};

TEST_F(LinkSearch, FindLinkPassesTheTickedParametersAndLinksTheChosenObject)
{
    Import();
    SynchronizeDialog dialog(&doc);
    DialogDriver view(dialog);
    const int tool = UnlinkedTool(view);

    pdm->Ui().AnswerObject(L""); // cancelled: nothing changes
    PickTechnology(view, DialogDriver::Find);
    ASSERT_EQ(pdm->Ui().ObjectRequests().size(), 1U);
    EXPECT_EQ(pdm->Ui().ObjectRequests().back().filterText, L"");
    EXPECT_EQ(view.Status(tool), CheckState::Unchecked);

    ASSERT_TRUE(view.List().ToggleCheck(view.ParameterRow(tool, L"Diameter"), SynchronizeDialog::FilterColumn));
    pdm->Ui().AnswerObject(SampleObjectGuid(L"endmill"));
    PickTechnology(view, DialogDriver::Find);
    ASSERT_EQ(pdm->Ui().ObjectRequests().size(), 2U);
    const std::wstring filter = pdm->Ui().ObjectRequests().back().filterText;
    EXPECT_NE(filter.find(L"12"), std::wstring::npos) << std::string(filter.begin(), filter.end());
    EXPECT_EQ(view.Status(tool), CheckState::Checked);
    EXPECT_NE(view.Text(tool, SynchronizeDialog::LinkColumn).find(L"OpenReferenceWindow"), std::wstring::npos);
    EXPECT_EQ(view.LinkButtonsEnabled(), (std::vector<bool>{true, true, true, false, false}));
    EXPECT_TRUE(view.Apply().IsEnabled());
}

TEST_F(LinkSearch, AddLinkIgnoresTheFilterColumn)
{
    Import();
    SynchronizeDialog dialog(&doc);
    DialogDriver view(dialog);
    const int tool = UnlinkedTool(view);
    ASSERT_TRUE(view.List().ToggleCheck(view.ParameterRow(tool, L"Diameter"), SynchronizeDialog::FilterColumn));

    pdm->Ui().AnswerObject(L"");
    PickTechnology(view, DialogDriver::Add);
    ASSERT_EQ(pdm->Ui().ObjectRequests().size(), 1U);
    EXPECT_EQ(pdm->Ui().ObjectRequests().back().filterText, L"");
}

TEST_F(LinkSearch, ObjectOfAnotherTypeLeavesTheRowsStatusAndLinkAlone)
{
    Import();
    SynchronizeDialog dialog(&doc);
    DialogDriver view(dialog);
    const int tool = UnlinkedTool(view);
    const int rowsBefore = view.List().GetRowCount();

    pdm->Ui().AnswerObject(SampleObjectGuid(L"stock"));
    PickTechnology(view, DialogDriver::Add);
    EXPECT_EQ(view.List().GetRowCount(), rowsBefore);
    EXPECT_EQ(view.Status(tool), CheckState::Unchecked);
    EXPECT_EQ(view.Text(tool, SynchronizeDialog::LinkColumn), L"");
}

TEST_F(LinkSearch, RuleMenuItemKeepsItsPositionWhenAnEarlierReferenceIsMissing)
{
    SeedRuleObjects(*pdm, {RuleObjectSeed{.name = L"Lost catalogue",
                                          .appCode = std::wstring(CamConsts::IntegrationInfo::AppCode),
                                          .datasetGuid = L"00000000-0000-0000-0000-000000000001",
                                          .types = {TypeRowSeed{.appType = L"ToolMillEnd", .appDataType = 1}}}});
    Import();
    SynchronizeDialog dialog(&doc);
    DialogDriver view(dialog);
    UnlinkedTool(view);

    view.Button(DialogDriver::Add).Click();
    const auto& items = view.Button(DialogDriver::Add).GetContextMenu()->GetItems();
    ASSERT_FALSE(items.empty());
    EXPECT_GE(items.front().id, 2); // the missing reference's entry keeps position 1
    for (const auto& item : items)
        EXPECT_NE(item.text, L"Lost catalogue");
    pdm->Ui().AnswerObject(L"");
    ASSERT_TRUE(view.Button(DialogDriver::Add).PickContextMenuItem(items.front().id));
    ASSERT_EQ(pdm->Ui().ObjectRequests().size(), 1U);
    EXPECT_EQ(pdm->Ui().ObjectRequests().back().reference.name, items.front().text);
}

TEST_F(LinkSearch, EveryPdmCallOfTheListAndTheLinkOperationsFailingLeavesTheDocumentAlone)
{
    Import();
    const DocumentState document = DocumentState::Of(doc);
    struct Outcome {
        CheckState status;
        std::wstring link;
    };
    // Builds the list, unlinks the tool, finds it again by its diameter and refreshes all.
    const auto operate = [&] {
        SynchronizeDialog dialog(&doc);
        DialogDriver view(dialog);
        const int tool = UnlinkedTool(view);
        view.List().ToggleCheck(view.ParameterRow(tool, L"Diameter"), SynchronizeDialog::FilterColumn);
        pdm->Ui().AnswerObject(SampleObjectGuid(L"endmill"));
        PickTechnology(view, DialogDriver::Find);
        if (view.Status(tool) != CheckState::Unchecked)
            view.PickUpdate(tool, 3);
        return Outcome{view.Status(tool), view.Text(tool, SynchronizeDialog::LinkColumn)};
    };
    const std::size_t runs = SweepPdmFaults(*pdm, operate, [&](const std::optional<Outcome>& tool) {
        if (tool) {
            EXPECT_EQ(tool->link.empty(), tool->status == CheckState::Unchecked) << "a link shown without its status";
        }
        ExpectDocumentAsBefore(doc, document); // only apply changes it
        EXPECT_EQ(pdm->Faults().Count(Arbor::Model::FaultPoint::Save), 0u);
    });
    EXPECT_GT(runs, 20u);
}

} // namespace
} // namespace Vireo::Testing
