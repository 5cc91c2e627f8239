#pragma once
// The host's user interface on a terminal. Message boxes are printed to standard error with
// their translated text. The PDM choosing dialogs take the answers the command line gave;
// where one is missing they ask with a numbered list when standard input is a terminal, and
// otherwise cancel, remembering which option would have answered them. Opening a link runs
// the program named by $CAMPDM_OPEN_LINK with the link as its one argument, or prints it.

#include "platform/ui/HostUiDriver.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace Campdm {

// The answer the command line gives one choosing dialog.
struct PresetChoice {
    std::string option;              // the option that answers it ("--reference")
    std::optional<std::wstring> guid; // the GUID to choose; nothing: ask, or cancel
};

class TerminalUiDriver final : public Vireo::Ui::HostUiDriver {
public:
    TerminalUiDriver(std::istream& in, std::ostream& out, std::ostream& err, bool interactive)
        : in_(in), out_(out), err_(err), interactive_(interactive)
    {
    }

    void PresetReference(PresetChoice choice) { reference_ = std::move(choice); }
    void PresetObject(PresetChoice choice) { object_ = std::move(choice); }
    bool IsInteractive() const noexcept { return interactive_; }

    int ShowMessage(std::wstring_view text, unsigned int type) override;
    std::optional<std::size_t> ChooseReference(HWND owner,
                                               std::span<const Vireo::Ui::ReferenceChoice> references) override;
    std::optional<std::size_t> ChooseObject(HWND owner, const Vireo::Ui::ReferenceChoice& reference,
                                            std::wstring_view filterText,
                                            std::span<const Vireo::Ui::ObjectChoice> objects) override;
    void OpenLink(std::wstring_view link) override;

    // How many messages were shown: a command that shows one has met a problem.
    int MessageCount() const noexcept { return messages_; }
    // Why a dialog was cancelled or a link not opened, as one line for the user.
    const std::optional<std::string>& Problem() const noexcept { return problem_; }

private:
    // The position of the preset entry, or the one the user picks; nothing and a problem
    // when there is none.
    template <class Entry>
    std::optional<std::size_t> answer(const PresetChoice& preset, std::span<const Entry> entries,
                                      const std::string& what, const std::string& title);
    std::optional<std::size_t> askNumber(const std::string& title, const std::vector<std::string>& lines);

    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    bool interactive_;
    PresetChoice reference_{"--reference", std::nullopt};
    PresetChoice object_{"--object", std::nullopt};
    int messages_ = 0;
    std::optional<std::string> problem_;
};

} // namespace Campdm
