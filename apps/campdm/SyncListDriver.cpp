#include "SyncListDriver.h"

#include "SyncListText.h"

#include "platform/ui/ModalDialog.h"

namespace Campdm {

int SyncListDriver::ShowMessage(std::wstring_view text, unsigned int type)
{
    return terminal_.ShowMessage(text, type);
}

int SyncListDriver::RunModalDialog(zkpf::ModalDialog& dialog)
{
    PrintSyncList(dialog, out_);
    printed_ = true;
    return static_cast<int>(zkpf::DialogButtons::Cancel);
}

std::optional<std::size_t> SyncListDriver::ChooseReference(HWND owner,
                                                           std::span<const Vireo::Ui::ReferenceChoice> references)
{
    return terminal_.ChooseReference(owner, references);
}

std::optional<std::size_t> SyncListDriver::ChooseObject(HWND owner, const Vireo::Ui::ReferenceChoice& reference,
                                                        std::wstring_view filterText,
                                                        std::span<const Vireo::Ui::ObjectChoice> objects)
{
    return terminal_.ChooseObject(owner, reference, filterText, objects);
}

void SyncListDriver::OpenLink(std::wstring_view link)
{
    terminal_.OpenLink(link);
}

} // namespace Campdm
