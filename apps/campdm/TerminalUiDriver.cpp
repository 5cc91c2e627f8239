#include "TerminalUiDriver.h"

#include "TextOutput.h"

#include <stdexcept>

namespace Campdm {

int TerminalUiDriver::ShowMessage(std::wstring_view text, unsigned int /*type*/)
{
    ++messages_;
    std::string shown;
    try {
        shown = Utf8(text);
    } catch (const std::range_error&) {
        shown = "(a message with characters that cannot be shown)";
    }
    err_ << shown << "\n" << std::flush;
    constexpr int okButton = 1;
    return okButton;
}

} // namespace Campdm
