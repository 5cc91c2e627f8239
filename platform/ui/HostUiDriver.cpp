#include "platform/ui/HostUiDriver.h"

#include "platform/support/Utf8.h"
#include "platform/ui/ModalDialog.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace Vireo::Ui {
namespace {

std::string printable(std::wstring_view text)
{
    try {
        return Support::WideToUtf8(text);
    } catch (const std::range_error&) {
        return "(text with characters that cannot be shown)";
    }
}

// A host without a screen still has to tell the user what went wrong.
class StandardErrorDriver final : public HostUiDriver {
public:
    int ShowMessage(std::wstring_view text, unsigned int /*type*/) override
    {
        std::fprintf(stderr, "%s\n", printable(text).c_str());
        return okButton;
    }

private:
    static constexpr int okButton = 1;
};

StandardErrorDriver standardErrorDriver;
HostUiDriver* installedDriver = nullptr;

} // namespace

std::optional<std::size_t> HostUiDriver::ChooseReference(HWND /*owner*/, std::span<const ReferenceChoice> /*references*/)
{
    return std::nullopt;
}

std::optional<std::size_t> HostUiDriver::ChooseObject(HWND /*owner*/, const ReferenceChoice& /*reference*/,
                                                      std::wstring_view /*filterText*/,
                                                      std::span<const ObjectChoice> /*objects*/)
{
    return std::nullopt;
}

void HostUiDriver::OpenLink(std::wstring_view link)
{
    std::printf("%s\n", printable(link).c_str());
    std::fflush(stdout);
}

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
