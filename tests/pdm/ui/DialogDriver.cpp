#include "DialogDriver.h"

#include <gtest/gtest.h>

namespace Vireo::Testing {

DialogDriver::DialogDriver(Cam::Pdm::SynchronizeDialog& dialog) : dialog_(dialog)
{
    for (const auto& control : dialog.GetContent().GetControls()) {
        if (auto* toolBar = dynamic_cast<zkpf::ToolBar*>(control.get()))
            toolBar_ = toolBar;
        if (auto* list = dynamic_cast<zkpf::SimpleList*>(control.get()))
            list_ = list;
    }
}

std::vector<bool> DialogDriver::LinkButtonsEnabled() const
{
    std::vector<bool> enabled;
    for (const auto& button : toolBar_->GetButtons())
        enabled.push_back(button->IsEnabled());
    return enabled;
}

int DialogDriver::Row(const std::wstring& name, int after) const
{
    for (int row = after + 1; row < list_->GetRowCount(); ++row)
        if (Text(row, 0) == name)
            return row;
    ADD_FAILURE() << "no row named " << std::string(name.begin(), name.end());
    return -1;
}

int DialogDriver::ParameterRow(int objectRow, const std::wstring& name) const
{
    for (int row : Children(objectRow))
        if (Text(row, 0) == name)
            return row;
    ADD_FAILURE() << "no parameter row named " << std::string(name.begin(), name.end());
    return -1;
}

std::vector<int> DialogDriver::Children(int row) const
{
    std::vector<int> children;
    for (int candidate = row + 1; candidate < list_->GetRowCount(); ++candidate)
        if (list_->GetParentRow(candidate) == row)
            children.push_back(candidate);
    return children;
}

std::wstring DialogDriver::Text(int row, int column) const
{
    const std::wstring* text = list_->GetText(row, column);
    return text ? *text : L"<none>";
}

zkpf::CheckState DialogDriver::Status(int row) const
{
    return list_->GetCheckState(row, Cam::Pdm::SynchronizeDialog::StatusColumn).value_or(zkpf::CheckState::Unchecked);
}

void DialogDriver::PickUpdate(int row, int itemId)
{
    list_->Select(row);
    Button(ButtonIndex::Update).Click();
    EXPECT_TRUE(Button(ButtonIndex::Update).PickContextMenuItem(itemId));
}

} // namespace Vireo::Testing
