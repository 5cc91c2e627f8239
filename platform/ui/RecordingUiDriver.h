#pragma once
// A driver that shows nothing and keeps everything it was asked, for hosts without a screen
// and for tests that check what the user was told and offered. Its choosing dialogs answer
// from queues of GUIDs given beforehand; an empty queue, or a GUID that is not offered,
// cancels the dialog.

#include "platform/ui/HostUiDriver.h"

#include <deque>
#include <string>
#include <vector>

namespace Vireo::Ui {

class RecordingUiDriver final : public HostUiDriver {
public:
    struct Message {
        std::wstring text;
        unsigned int type = 0;
    };
    struct ObjectRequest {
        HWND owner = nullptr;
        ReferenceChoice reference;
        std::wstring filterText;
        std::vector<ObjectChoice> objects;
    };

    int ShowMessage(std::wstring_view text, unsigned int type) override;
    std::optional<std::size_t> ChooseReference(HWND owner, std::span<const ReferenceChoice> references) override;
    std::optional<std::size_t> ChooseObject(HWND owner, const ReferenceChoice& reference, std::wstring_view filterText,
                                            std::span<const ObjectChoice> objects) override;
    void OpenLink(std::wstring_view link) override;

    // The answers of the next choosing dialogs, in order.
    void AnswerReference(std::wstring guid) { referenceAnswers_.push_back(std::move(guid)); }
    void AnswerObject(std::wstring guid) { objectAnswers_.push_back(std::move(guid)); }

    const std::vector<Message>& Messages() const noexcept { return messages_; }
    const std::vector<std::vector<ReferenceChoice>>& ReferenceRequests() const noexcept { return referenceRequests_; }
    const std::vector<ObjectRequest>& ObjectRequests() const noexcept { return objectRequests_; }
    const std::vector<std::wstring>& OpenedLinks() const noexcept { return links_; }
    void Clear() noexcept { messages_.clear(); }

private:
    std::vector<Message> messages_;
    std::deque<std::wstring> referenceAnswers_;
    std::deque<std::wstring> objectAnswers_;
    std::vector<std::vector<ReferenceChoice>> referenceRequests_;
    std::vector<ObjectRequest> objectRequests_;
    std::vector<std::wstring> links_;
};

} // namespace Vireo::Ui
