#pragma once
// A driver that shows nothing and keeps every message, for hosts without a screen and for
// tests that check what the user was told.

#include "platform/ui/HostUiDriver.h"

#include <string>
#include <vector>

namespace Vireo::Ui {

class RecordingUiDriver final : public HostUiDriver {
public:
    struct Message {
        std::wstring text;
        unsigned int type = 0;
    };

    int ShowMessage(std::wstring_view text, unsigned int type) override;

    const std::vector<Message>& Messages() const noexcept { return messages_; }
    void Clear() noexcept { messages_.clear(); }

private:
    std::vector<Message> messages_;
};

} // namespace Vireo::Ui
