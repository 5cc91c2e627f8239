#include "platform/ui/ZKMessageBox.h"

#include "platform/ui/HostUiDriver.h"

int ZKMessageBox::Show(std::wstring_view text, unsigned int type)
{
    return Vireo::Ui::CurrentHostUiDriver().ShowMessage(text, type);
}
