#include "SyncListText.h"

#include "platform/support/Utf8.h"
#include "platform/ui/ModalDialog.h"
#include "platform/ui/SimpleList.h"
#include "platform/ui/ToolBar.h"

#include <map>
#include <string>
#include <vector>

namespace Campdm {
namespace {

// The dialog's columns and buttons, as it lays them out.
constexpr int nameColumn = 0;
constexpr int valueColumn = 1;
constexpr int statusColumn = 2;
constexpr std::size_t updateButton = 1;
constexpr int updateAllItem = 3;

struct DialogControls {
    zkpf::ToolBar* toolBar = nullptr;
    zkpf::SimpleList* list = nullptr;
};

DialogControls controlsOf(zkpf::ModalDialog& dialog)
{
    DialogControls controls;
    for (const auto& control : dialog.GetContent().GetControls()) {
        if (auto* toolBar = dynamic_cast<zkpf::ToolBar*>(control.get()))
            controls.toolBar = toolBar;
        if (auto* list = dynamic_cast<zkpf::SimpleList*>(control.get()))
            controls.list = list;
    }
    return controls;
}

std::string text(const zkpf::SimpleList& list, int row, int column)
{
    const std::wstring* cell = list.GetText(row, column);
    return cell ? Vireo::Support::WideToUtf8(*cell) : std::string();
}

// Parameter rows have a value cell; object and folder rows have none.
bool isParameter(const zkpf::SimpleList& list, int row)
{
    return list.GetText(row, valueColumn) != nullptr;
}

const char* statusText(std::optional<zkpf::CheckState> state)
{
    switch (state.value_or(zkpf::CheckState::Unchecked)) {
    case zkpf::CheckState::Checked:
        return "in sync";
    case zkpf::CheckState::ThirdState:
        return "differs";
    case zkpf::CheckState::Unchecked:
        break;
    }
    return "no link";
}

// The value cells of the differing parameter rows of linked objects, before a refresh.
std::map<int, std::string> camValues(const zkpf::SimpleList& list)
{
    std::map<int, std::string> values;
    for (int row = 0; row < list.GetRowCount(); ++row)
        if (isParameter(list, row))
            values[row] = text(list, row, valueColumn);
    return values;
}

// Refreshes every linked object from its PDM object in the list, through the update button's
// menu, as a user would. Nothing happens without a linked object.
void showPdmValues(const DialogControls& controls)
{
    zkpf::SimpleList& list = *controls.list;
    for (int row = 0; row < list.GetRowCount(); ++row) {
        if (isParameter(list, row))
            continue;
        list.Select(row);
        zkpf::Button& update = *controls.toolBar->GetButtons().at(updateButton);
        if (update.Click()) {
            update.PickContextMenuItem(updateAllItem);
            break;
        }
    }
    list.Select(-1);
}

struct ListText {
    const zkpf::SimpleList& list;
    const std::vector<std::optional<zkpf::CheckState>>& statuses; // as the dialog opened
    const std::map<int, std::string>& camValues;
    std::map<int, std::vector<int>> children;
    std::ostream& out;

    // A row, then its differing parameters, then the rows of its parts.
    void print(int row, std::size_t depth)
    {
        const std::string indent(depth * 2, ' ');
        const std::string name = text(list, row, nameColumn);
        if (depth == 0)
            out << name << "\n";
        else
            out << indent << (name.empty() ? "(no name)" : name) << ": " << statusText(statuses.at(row)) << "\n";
        for (int child : children[row])
            if (isParameter(list, child) && statuses.at(row) == zkpf::CheckState::ThirdState &&
                statuses.at(child) != zkpf::CheckState::Checked)
                printParameter(child, indent + "    ");
        for (int child : children[row])
            if (!isParameter(list, child))
                print(child, depth + 1);
    }

    void printParameter(int row, const std::string& indent)
    {
        const bool refreshed = list.GetCheckState(row, statusColumn) == zkpf::CheckState::Checked;
        out << indent << text(list, row, nameColumn) << ": CAM " << camValues.at(row) << ", PDM "
            << (refreshed ? text(list, row, valueColumn) : std::string("(none)")) << "\n";
    }
};

} // namespace

void PrintSyncList(zkpf::ModalDialog& dialog, std::ostream& out)
{
    const DialogControls controls = controlsOf(dialog);
    if (!controls.list || !controls.toolBar)
        return;
    const zkpf::SimpleList& list = *controls.list;
    // Statuses and CAM values as the dialog opened; the refresh changes both.
    std::vector<std::optional<zkpf::CheckState>> statuses;
    for (int row = 0; row < list.GetRowCount(); ++row)
        statuses.push_back(list.GetCheckState(row, statusColumn));
    const std::map<int, std::string> cam = camValues(list);
    showPdmValues(controls);

    ListText printer{list, statuses, cam, {}, out};
    std::vector<int> folders;
    for (int row = 0; row < list.GetRowCount(); ++row) {
        const int parent = list.GetParentRow(row);
        if (parent < 0)
            folders.push_back(row);
        else
            printer.children[parent].push_back(row);
    }
    for (int folder : folders)
        printer.print(folder, 0);
}

} // namespace Campdm
