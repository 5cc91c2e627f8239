// The dialog's construction: title and size, the tool bar with the five link buttons, the
// list with its folders and objects, and the apply and close buttons.

#include "pdm/ui/SynchronizeDialog.h"

#include "pdm/ui/LoadResCamIcon.h"

#include "platform/cam/Model.h"
#include "platform/ui/UIModuleProxy.h"
#include "platform/ui/ZKTrAtl.h"

#include <array>
#include <string_view>

namespace Vireo::Cam::Pdm {
namespace {

const std::vector<int> iconSizes{16, 24, 32};
// Where a button's context menu opens (below the button); a value of the framework.
constexpr int menuPlacement = 3;
// The host's icon of folders.
constexpr unsigned folderIconResource = 157;

constexpr std::array<std::wstring_view, SynchronizeDialog::FolderCount> folderCaptions{
    L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Projects", L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Groups",
    L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Machinings", L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Tools",
    L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Stocks", L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Parts",
    L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Fixtures"};

constexpr std::array<std::wstring_view, 5> columnHeaders{
    L"VireoCAM:PDM.SynchronizeDialog.List.Column.Name", L"VireoCAM:PDM.SynchronizeDialog.List.Column.Value",
    L"VireoCAM:PDM.SynchronizeDialog.List.Column.Status", L"VireoCAM:PDM.SynchronizeDialog.List.Column.Filter",
    L"VireoCAM:PDM.SynchronizeDialog.List.Column.Link"};

struct LinkButtonText {
    std::wstring_view text;
    std::wstring_view hint;
    std::wstring_view icon;
};

zkpf::Button& addButton(zkpf::ToolBar& toolBar, const LinkButtonText& texts)
{
    zkpf::Button& button = toolBar.AddButton();
    button.SetEnabled(false);
    button.SetText(ZKTrAtl(texts.text));
    button.SetHintText(ZKTrAtl(texts.hint));
    button.SetImage(UI::LoadResCamIcon(texts.icon, iconSizes));
    return button;
}

zkpf::Menu updateMenu()
{
    zkpf::Menu menu;
    menu.AddItem(1, ZKTrAtl(L"VireoCAM:PDM.SynchronizeDialog.UpdateObjectMenuItem.Text"));
    menu.AddItem(2, ZKTrAtl(L"VireoCAM:PDM.SynchronizeDialog.UpdateNodeMenuItem.Text"));
    menu.AddItem(3, ZKTrAtl(L"VireoCAM:PDM.SynchronizeDialog.UpdateAllMenuItem.Text"));
    return menu;
}

} // namespace

SynchronizeDialog::SynchronizeDialog(CZkw32Doc* doc) : _doc(doc)
{
    SetTitle(ZKTrAtl(L"VireoCAM:PDM.SynchronizeDialog.Caption"));
    SetAutoResize(false);
    SetResizable(true);
    SetSize(800, 600);
    buildUI(GetContent());
    _applyButton = &AddStandardButton(zkpf::DialogButtons::Ok, true);
    _applyButton->OnClick([this] { apply(); });
    _applyButton->SetEnabled(false);
    AddStandardButton(zkpf::DialogButtons::Cancel, true);
}

SynchronizeDialog::~SynchronizeDialog() = default;

void SynchronizeDialog::buildUI(zkpf::Panel& content)
{
    _toolBar = &content.Add<zkpf::ToolBar>();
    addLinkButtons();
    addList(content);
    addFolderRows();
    const Cam::Model model(_doc);
    int row = FolderCount;
    row = addCamObject(model.GetMachiningProjects().GetAll(), Folders::Projects, row);
    row = addCamObject(model.GetMachiningGroups().GetAll(), Folders::Groups, row);
    row = addCamObject(model.GetMachinings().GetAll(), Folders::Machinings, row);
    row = addCamObject(model.GetTools().GetAll(), Folders::Tools, row);
    row = addCamObject(model.GetStocks().GetAll(), Folders::Stocks, row);
    row = addCamObject(model.GetParts().GetAll(), Folders::Parts, row);
    addCamObject(model.GetFixtures().GetAll(), Folders::Fixtures, row);
    content.SetFillControl(*_list);
}

void SynchronizeDialog::addLinkButtons()
{
    _showLinkButton = &addButton(*_toolBar, {L"VireoCAM:PDM.SynchronizeDialog.ShowLinkButton.Text",
                                             L"VireoCAM:PDM.SynchronizeDialog.ShowLinkButton.HintText",
                                             L"PdmShowLink.svg"});
    _showLinkButton->OnClick([this] { showLink(); });

    _updateLinkButton = &addButton(*_toolBar, {L"VireoCAM:PDM.SynchronizeDialog.UpdateLinkButton.Text",
                                               L"VireoCAM:PDM.SynchronizeDialog.UpdateLinkButton.HintText",
                                               L"PdmRefreshLink.svg"});
    _updateLinkButton->SetContextMenu(updateMenu(), menuPlacement);
    _updateLinkButton->OnClick([this] { _updateLinkButton->OpenContextMenu(); });
    _updateLinkButton->OnContextMenuClick([this](int itemId) {
        if (itemId == 1)
            updateFromLink();
        else if (itemId == 2)
            updateNodeFromLink();
        else if (itemId == 3)
            updateAllFromLink();
    });

    _deleteLinkButton = &addButton(*_toolBar, {L"VireoCAM:PDM.SynchronizeDialog.DeleteLinkButton.Text",
                                               L"VireoCAM:PDM.SynchronizeDialog.DeleteLinkButton.HintText",
                                               L"PdmRemoveLink.svg"});
    _deleteLinkButton->OnClick([this] { removeLink(); });

    const auto runLinkAction = [this](int itemId) {
        if (_linkAction)
            _linkAction(itemId - 1);
    };
    _findLinkButton = &addButton(*_toolBar, {L"VireoCAM:PDM.SynchronizeDialog.FindLinkButton.Text",
                                             L"VireoCAM:PDM.SynchronizeDialog.FindLinkButton.HintText",
                                             L"PdmFindLink.svg"});
    _findLinkButton->OnClick([this] { findLink(); });
    _findLinkButton->OnContextMenuClick(runLinkAction);

    _addLinkButton = &addButton(*_toolBar, {L"VireoCAM:PDM.SynchronizeDialog.AddLinkButton.Text",
                                            L"VireoCAM:PDM.SynchronizeDialog.AddLinkButton.HintText",
                                            L"PdmAddLink.svg"});
    _addLinkButton->OnClick([this] { addLink(); });
    _addLinkButton->OnContextMenuClick(runLinkAction);
}

void SynchronizeDialog::addList(zkpf::Panel& content)
{
    _list = &content.Add<zkpf::SimpleList>();
    _list->SetStretchHeight(true);
    _list->SetHierarchy(true);
    _list->SetRowIdMapping(true);
    for (std::wstring_view header : columnHeaders)
        _list->AddColumn(ZKTrAtl(header));
    _list->SetColumnHidden(LinkColumn, true);
    _list->SetColumnAlignment(StatusColumn, zkpf::Alignment::Center);
    _list->SetColumnAlignment(FilterColumn, zkpf::Alignment::Center);
    _list->SetColumnEditable(FilterColumn, true);
    _list->SetTreeColumn(NameColumn);
    _list->OnSelectionChanged([this] { selectionChanged(); });
    _parameterImage = UI::LoadResCamIcon(L"PdmParameterItem.svg", iconSizes);
}

void SynchronizeDialog::addFolderRows()
{
    const HICON folderIcon = UIModuleProxy::Instance().LoadIcon(folderIconResource);
    const zkpf::Image folderImage =
        zkpf::Image::FromResourceIcon(zkpf::ResourceIcon{folderIcon ? folderIcon->resourceId : 0}, iconSizes);
    for (std::wstring_view caption : folderCaptions) {
        const int row = _list->AppendRow();
        _list->SetText(row, NameColumn, ZKTrAtl(caption));
        _list->SetImage(row, folderImage);
        nextRowId(row);
    }
}

SynchronizeDialog::RowId SynchronizeDialog::nextRowId(int row)
{
    ++_lastRowId;
    _list->SetRowId(row, _lastRowId);
    return _lastRowId;
}

} // namespace Vireo::Cam::Pdm
