#include "platform/ui/RecordingUiDriver.h"

namespace Vireo::Ui {

int RecordingUiDriver::ShowMessage(std::wstring_view text, unsigned int type)
{
    messages_.push_back(Message{std::wstring(text), type});
    constexpr int okButton = 1;
    return okButton;
}

} // namespace Vireo::Ui
