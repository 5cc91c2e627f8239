#pragma once
// The host's user interface on a terminal: message boxes are printed to standard error with
// their translated text.

#include "platform/ui/HostUiDriver.h"

#include <istream>
#include <ostream>

namespace Campdm {

class TerminalUiDriver final : public Vireo::Ui::HostUiDriver {
public:
    TerminalUiDriver(std::istream& in, std::ostream& out, std::ostream& err, bool interactive)
        : in_(in), out_(out), err_(err), interactive_(interactive)
    {
    }
    bool IsInteractive() const noexcept { return interactive_; }

    int ShowMessage(std::wstring_view text, unsigned int type) override;

    // How many messages were shown: a command that shows one has met a problem.
    int MessageCount() const noexcept { return messages_; }

private:
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    bool interactive_;
    int messages_ = 0;
};

} // namespace Campdm
