#pragma once
// Drives a synchronisation dialog as a user would, through the framework's controls only:
// the tool bar's five link buttons, the list, and the apply button.

#include "pdm/ui/SynchronizeDialog.h"

#include <string>
#include <vector>

namespace Vireo::Testing {

class DialogDriver {
public:
    enum ButtonIndex { Show, Update, Delete, Find, Add };

    explicit DialogDriver(Cam::Pdm::SynchronizeDialog& dialog);

    zkpf::SimpleList& List() const { return *list_; }
    zkpf::Button& Button(ButtonIndex index) const { return *toolBar_->GetButtons().at(index); }
    zkpf::Button& Apply() const { return *dialog_.GetStandardButtons().front().button; }
    std::vector<bool> LinkButtonsEnabled() const;

    // The first row whose name cell is `name` (after row `after`); fails the test when none.
    int Row(const std::wstring& name, int after = -1) const;
    // The parameter row `name` under the object row `objectRow`.
    int ParameterRow(int objectRow, const std::wstring& name) const;
    std::vector<int> Children(int row) const;
    std::wstring Text(int row, int column) const;
    zkpf::CheckState Status(int row) const;
    // Selects the row and picks the item of the update button's menu.
    void PickUpdate(int row, int itemId);

private:
    Cam::Pdm::SynchronizeDialog& dialog_;
    zkpf::ToolBar* toolBar_ = nullptr;
    zkpf::SimpleList* list_ = nullptr;
};

} // namespace Vireo::Testing
