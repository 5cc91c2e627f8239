#include "platform/ui/RecordingUiDriver.h"

#include <algorithm>

namespace Vireo::Ui {
namespace {

// The position of the choice with the next queued GUID; the answer is used up either way.
template <class Choice>
std::optional<std::size_t> answer(std::deque<std::wstring>& answers, std::span<const Choice> choices)
{
    if (answers.empty())
        return std::nullopt;
    const std::wstring guid = std::move(answers.front());
    answers.pop_front();
    const auto found = std::find_if(choices.begin(), choices.end(), [&](const Choice& c) { return c.guid == guid; });
    if (found == choices.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - choices.begin());
}

} // namespace

int RecordingUiDriver::ShowMessage(std::wstring_view text, unsigned int type)
{
    messages_.push_back(Message{std::wstring(text), type});
    constexpr int okButton = 1;
    return okButton;
}

std::optional<std::size_t> RecordingUiDriver::ChooseReference(HWND /*owner*/, std::span<const ReferenceChoice> references)
{
    referenceRequests_.emplace_back(references.begin(), references.end());
    return answer(referenceAnswers_, references);
}

std::optional<std::size_t> RecordingUiDriver::ChooseObject(HWND owner, const ReferenceChoice& reference,
                                                           std::wstring_view filterText,
                                                           std::span<const ObjectChoice> objects)
{
    objectRequests_.push_back(
        ObjectRequest{owner, reference, std::wstring(filterText), std::vector<ObjectChoice>(objects.begin(), objects.end())});
    return answer(objectAnswers_, objects);
}

void RecordingUiDriver::OpenLink(std::wstring_view link)
{
    links_.emplace_back(link);
}

} // namespace Vireo::Ui
