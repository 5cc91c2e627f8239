#pragma once
// The host's user interface on a terminal: message boxes are printed to standard error with
// their translated text.

#include "platform/ui/HostUiDriver.h"

#include <istream>
#include <ostream>

namespace Campdm {

class TerminalUiDriver final : public Vireo::Ui::HostUiDriver {
public:
    TerminalUiDriver(std::istream& in, std::ostream& err) : in_(in), err_(err) {}

    int ShowMessage(std::wstring_view text, unsigned int type) override;

    // How many messages were shown: a command that shows one has met a problem.
    int MessageCount() const noexcept { return messages_; }

private:
    std::istream& in_;
    std::ostream& err_;
    int messages_ = 0;
};

} // namespace Campdm
