#include "platform/ui/HostUiDriver.h"

#include "platform/support/Utf8.h"
#include "platform/ui/ModalDialog.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace Vireo::Ui {
namespace {

// A host without a screen still has to tell the user what went wrong.
class StandardErrorDriver final : public HostUiDriver {
public:
    int ShowMessage(std::wstring_view text, unsigned int /*type*/) override
    {
        std::string bytes;
        try {
            bytes = Support::WideToUtf8(text);
        } catch (const std::range_error&) {
            bytes = "(message with characters that cannot be shown)";
        }
        std::fprintf(stderr, "%s\n", bytes.c_str());
        return okButton;
    }

private:
    static constexpr int okButton = 1;
};

StandardErrorDriver standardErrorDriver;
HostUiDriver* installedDriver = nullptr;

} // namespace

int HostUiDriver::RunModalDialog(zkpf::ModalDialog& /*dialog*/)
{
    return static_cast<int>(zkpf::DialogButtons::Cancel);
}

void HostUiDriver::ShowContextMenu(zkpf::Button& /*button*/) {}

HostUiDriver* InstallHostUiDriver(HostUiDriver* driver) noexcept
{
    HostUiDriver* previous = installedDriver;
    installedDriver = driver;
    return previous;
}

HostUiDriver& CurrentHostUiDriver() noexcept
{
    return installedDriver != nullptr ? *installedDriver : standardErrorDriver;
}

} // namespace Vireo::Ui
