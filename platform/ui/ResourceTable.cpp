#include "platform/ui/ResourceTable.h"

#include <algorithm>
#include <array>

namespace Vireo::I18n {
namespace {

// Kept in key order (checked by the tests) so that lookups can bisect.
constexpr std::array resourceTexts{
    ResourceText{L"VireoCAM:PDM.AddFromPdmCommand.Caption", L"Create from PDM"},
    ResourceText{L"VireoCAM:PDM.AddFromPdmCommand.Description",
                 L"Create CAM objects from an object chosen in the PDM"},
    ResourceText{L"VireoCAM:PDM.AddToPdmCommand.Caption", L"Export to PDM"},
    ResourceText{L"VireoCAM:PDM.AddToPdmCommand.Description",
                 L"Export the CAM object and its child objects to the PDM as new objects"},
    ResourceText{L"VireoCAM:PDM.Message.ErrorOfCreatingReferenceLinkObject",
                 L"The linked PDM object could not be saved."},
    ResourceText{L"VireoCAM:PDM.Message.ErrorOfCreatingReferenceListObject",
                 L"The PDM object or its table row could not be saved."},
    ResourceText{L"VireoCAM:PDM.Message.ErrorOfGettingReferenceLinkObject",
                 L"The linked PDM object could not be read."},
    ResourceText{L"VireoCAM:PDM.Message.ErrorOfGettingReferenceListObject",
                 L"The table rows of the PDM object could not be read."},
    ResourceText{L"VireoCAM:PDM.Message.ErrorOfGettingReferenceObjectData",
                 L"The data of the PDM object could not be transferred."},
    ResourceText{L"VireoCAM:PDM.Message.ErrorOfSettingTypePlmTag",
                 L"The type tag could not be set on the new PDM object."},
    ResourceText{L"VireoCAM:PDM.OpenLinkCommand.Caption", L"Open in PDM"},
    ResourceText{L"VireoCAM:PDM.OpenLinkCommand.Description",
                 L"Open the linked PDM object in the PDM client"},
    ResourceText{L"VireoCAM:PDM.SynchronizeCommand.Caption", L"Synchronize with PDM"},
    ResourceText{L"VireoCAM:PDM.SynchronizeCommand.Description",
                 L"Compare the CAM objects of the document with their PDM objects and manage their links"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.AddLinkButton.HintText",
                 L"Create a PDM object for the selected CAM object and link them"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.AddLinkButton.Text", L"Add link"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.Caption", L"Synchronization with PDM"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.DeleteLinkButton.HintText",
                 L"Remove the link of the selected CAM object"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.DeleteLinkButton.Text", L"Remove link"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.FindLinkButton.HintText",
                 L"Find PDM objects that match the selected CAM object and link one of them"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.FindLinkButton.Text", L"Find link"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Column.Filter", L"Filter"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Column.Link", L"Link"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Column.Name", L"Name"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Column.Status", L"Status"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Column.Value", L"Value"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Fixtures", L"Fixtures"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Groups", L"Machining groups"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Machinings", L"Machinings"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Parts", L"Parts"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Projects", L"Machining projects"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Stocks", L"Stocks"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.List.Folder.Tools", L"Tools"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.ShowLinkButton.HintText",
                 L"Open the linked PDM object of the selected CAM object in the PDM client"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.ShowLinkButton.Text", L"Show link"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.UpdateAllMenuItem.Text", L"Update all objects"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.UpdateLinkButton.HintText",
                 L"Read the values of the linked PDM objects again"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.UpdateLinkButton.Text", L"Update"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.UpdateNodeMenuItem.Text", L"Update the objects of the folder"},
    ResourceText{L"VireoCAM:PDM.SynchronizeDialog.UpdateObjectMenuItem.Text", L"Update the selected object"},
    ResourceText{L"VireoCAM:PDM.UpdateFromPdmCommand.Caption", L"Update from PDM"},
    ResourceText{L"VireoCAM:PDM.UpdateFromPdmCommand.Description",
                 L"Update the CAM object from its linked PDM object"},
    ResourceText{L"VireoCAM:PDM.UpdateToPdmCommand.Caption", L"Update in PDM"},
    ResourceText{L"VireoCAM:PDM.UpdateToPdmCommand.Description",
                 L"Update the linked PDM objects from the CAM object"},
};

bool keyLess(const ResourceText& entry, std::wstring_view key) noexcept
{
    return entry.key < key;
}

} // namespace

std::span<const ResourceText> ResourceTexts() noexcept
{
    return resourceTexts;
}

std::optional<std::wstring_view> FindResourceText(std::wstring_view key) noexcept
{
    const auto found = std::lower_bound(resourceTexts.begin(), resourceTexts.end(), key, keyLess);
    if (found == resourceTexts.end() || found->key != key)
        return std::nullopt;
    return found->text;
}

} // namespace Vireo::I18n
