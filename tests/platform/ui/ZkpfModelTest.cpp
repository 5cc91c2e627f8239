// The framework's model without any window: lists, buttons, menus and dialogs as a window
// (or a test) drives them.

#include "platform/ui/ModalDialog.h"
#include "platform/ui/RecordingUiDriver.h"
#include "platform/ui/SimpleList.h"
#include "platform/ui/ToolBar.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using zkpf::CheckState;
using zkpf::SimpleList;

// root(10) > child(11) > grandchild(12); root > second child(13); other root(14).
void fillTree(SimpleList& list)
{
    list.AddColumn(L"Name");
    list.AddColumn(L"Flag");
    const int root = list.AppendRow();
    const int child = list.AppendRow(root);
    const int grandchild = list.AppendRow(child);
    const int second = list.AppendRow(root);
    const int other = list.AppendRow();
    for (int row : {root, child, grandchild, second, other})
        list.SetRowId(row, 10 + row);
}

TEST(SimpleList, RowIdsParentsAndSelectionSurviveRemovalOfOtherRows)
{
    SimpleList list;
    fillTree(list);
    int selectionChanges = 0;
    list.OnSelectionChanged([&] { ++selectionChanges; });
    list.Select(list.GetRowById(14));

    list.RemoveRow(list.GetRowById(11)); // takes the grandchild with it

    EXPECT_EQ(list.GetRowCount(), 3);
    EXPECT_EQ(list.GetRowById(11), -1);
    EXPECT_EQ(list.GetRowById(12), -1);
    EXPECT_EQ(list.GetRowById(13), 1);
    EXPECT_EQ(list.GetParentRow(list.GetRowById(13)), list.GetRowById(10));
    EXPECT_EQ(list.GetSelectedRow(), list.GetRowById(14));
    EXPECT_EQ(selectionChanges, 1);

    // Rows appended after a removal are found by id, and re-setting an id moves it.
    const int added = list.AppendRow(list.GetRowById(13));
    list.SetRowId(added, 20);
    EXPECT_EQ(list.GetRowById(20), 3);
    EXPECT_EQ(list.GetParentRow(3), list.GetRowById(13));
}

TEST(SimpleList, CellsStayWithTheirRowsAcrossRemovalsAndNewColumns)
{
    SimpleList list;
    fillTree(list);
    for (int row = 0; row < list.GetRowCount(); ++row) {
        list.SetText(row, 0, L"name " + std::to_wstring(10 + row));
        list.SetCheckState(row, 1, row % 2 ? zkpf::CheckState::Checked : zkpf::CheckState::Unchecked);
    }
    list.RemoveRow(list.GetRowById(11));
    const int note = list.AddColumn(L"Note");
    list.SetText(list.GetRowById(14), note, L"last");

    for (const int id : {10, 13, 14}) {
        const int row = list.GetRowById(id);
        ASSERT_NE(list.GetText(row, 0), nullptr);
        EXPECT_EQ(*list.GetText(row, 0), L"name " + std::to_wstring(id));
        EXPECT_EQ(list.GetCheckState(row, 1), (id - 10) % 2 ? zkpf::CheckState::Checked : zkpf::CheckState::Unchecked);
    }
    EXPECT_EQ(list.GetText(list.GetRowById(13), note), nullptr);
    EXPECT_EQ(*list.GetText(list.GetRowById(14), note), L"last");
    EXPECT_THROW(list.SetText(list.GetRowCount(), 0, L"none"), std::out_of_range);
}

TEST(SimpleList, RemovingTheSelectedRowClearsAndReportsTheSelection)
{
    SimpleList list;
    fillTree(list);
    int selectionChanges = 0;
    list.Select(list.GetRowById(12));
    list.OnSelectionChanged([&] { ++selectionChanges; });
    list.Select(list.GetRowById(12)); // no change, no report

    list.RemoveRow(list.GetRowById(10));

    EXPECT_EQ(list.GetRowCount(), 1);
    EXPECT_EQ(list.GetSelectedRow(), -1);
    EXPECT_EQ(selectionChanges, 1);
}

TEST(SimpleList, UserTogglesOnlyCellsOfEditableColumnsWhoseRowAllowsIt)
{
    SimpleList list;
    fillTree(list);
    list.SetColumnEditable(1, true);
    list.SetCheckState(0, 0, CheckState::ThirdState);
    list.SetCheckState(0, 1, CheckState::Unchecked);
    list.SetCheckState(1, 1, CheckState::Unchecked);
    list.SetCheckEditable(1, 1, false);

    EXPECT_FALSE(list.ToggleCheck(0, 0)); // column not editable
    EXPECT_EQ(list.GetCheckState(0, 0), CheckState::ThirdState);
    EXPECT_TRUE(list.ToggleCheck(0, 1));
    EXPECT_EQ(list.GetCheckState(0, 1), CheckState::Checked);
    EXPECT_TRUE(list.ToggleCheck(0, 1));
    EXPECT_EQ(list.GetCheckState(0, 1), CheckState::Unchecked);
    EXPECT_FALSE(list.ToggleCheck(1, 1)); // row switched off
    EXPECT_EQ(list.GetCheckState(1, 1), CheckState::Unchecked);

    // A cell without text is told apart from an empty text.
    EXPECT_EQ(list.GetText(0, 0), nullptr);
    list.SetText(0, 0, L"");
    ASSERT_NE(list.GetText(0, 0), nullptr);
    EXPECT_TRUE(list.GetText(0, 0)->empty());
}

TEST(Button, ClicksAndContextMenuPicksReachTheirHandlersOnlyWhenAllowed)
{
    Vireo::Ui::RecordingUiDriver driver;
    Vireo::Ui::ScopedHostUiDriver installed(driver);
    zkpf::ToolBar toolBar;
    zkpf::Button& button = toolBar.AddButton();
    int clicks = 0;
    std::vector<int> picked;
    button.OnClick([&] { ++clicks; });
    button.OnContextMenuClick([&](int id) { picked.push_back(id); });

    button.SetEnabled(false);
    EXPECT_FALSE(button.Click());
    button.SetEnabled(true);
    EXPECT_TRUE(button.Click());
    EXPECT_EQ(clicks, 1);

    button.OpenContextMenu(); // no menu yet
    EXPECT_FALSE(button.IsContextMenuOpen());
    zkpf::Menu menu;
    menu.AddItem(2, L"second");
    menu.AddItem(5, L"fifth");
    button.SetContextMenu(std::move(menu), 3);
    EXPECT_FALSE(button.PickContextMenuItem(2)); // not open
    button.OpenContextMenu();
    EXPECT_FALSE(button.PickContextMenuItem(1)); // no such item, stays open
    EXPECT_TRUE(button.PickContextMenuItem(5));
    EXPECT_FALSE(button.IsContextMenuOpen());
    EXPECT_EQ(picked, std::vector<int>{5});
    EXPECT_EQ(button.GetContextMenuPlacement(), 3);
}

class TwoButtonDialog : public zkpf::ModalDialog, public zkpf::AddStandardControl, public zkpf::IHostWindowProvider {};

TEST(ModalDialog, ClosingStandardButtonEndsTheDialogAfterItsHandler)
{
    TwoButtonDialog dialog;
    std::vector<std::string> events;
    zkpf::Button& ok = dialog.AddStandardButton(zkpf::DialogButtons::Ok, true);
    zkpf::Button& keep = dialog.AddStandardButton(zkpf::DialogButtons::Yes, false);
    ok.OnClick([&] { events.push_back(dialog.GetEndResult() ? "ended" : "running"); });

    keep.Click();
    EXPECT_FALSE(dialog.GetEndResult());
    ok.Click();
    EXPECT_EQ(events, std::vector<std::string>{"running"});
    EXPECT_EQ(dialog.GetEndResult(), static_cast<int>(zkpf::DialogButtons::Ok));

    // Without a window the dialog is cancelled at once.
    EXPECT_EQ(dialog.DoModal(), static_cast<int>(zkpf::DialogButtons::Cancel));
    EXPECT_EQ(dialog.GetHostWindow(), nullptr);
}

} // namespace
