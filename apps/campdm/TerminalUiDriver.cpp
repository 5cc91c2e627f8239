#include "TerminalUiDriver.h"

#include "TextOutput.h"

#include <cstdlib>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace Campdm {
namespace {

using Vireo::Ui::ObjectChoice;
using Vireo::Ui::ReferenceChoice;

std::string shown(std::wstring_view text)
{
    try {
        return Utf8(text);
    } catch (const std::range_error&) {
        return "(text with characters that cannot be shown)";
    }
}

std::string line(const ReferenceChoice& reference)
{
    return shown(reference.name) + "  (" + shown(reference.guid) + ")";
}

std::string line(const ObjectChoice& object)
{
    const std::string name = object.name.empty() ? "#" + std::to_string(object.id) : shown(object.name);
    return shown(object.className) + " \"" + name + "\"  id " + std::to_string(object.id) + "  (" +
           shown(object.guid) + ")";
}

// Runs `program` with the link as its one argument; its exit code, or -1 when it did not run.
int runProgram(const std::string& program, const std::string& link)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(link.c_str()), nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) < 0 || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

int TerminalUiDriver::ShowMessage(std::wstring_view text, unsigned int /*type*/)
{
    ++messages_;
    err_ << shown(text) << "\n" << std::flush;
    constexpr int okButton = 1;
    return okButton;
}

std::optional<std::size_t> TerminalUiDriver::askNumber(const std::string& title, const std::vector<std::string>& lines)
{
    err_ << title << ":\n";
    for (std::size_t i = 0; i < lines.size(); ++i)
        err_ << "  " << i + 1 << "  " << lines[i] << "\n";
    for (;;) {
        err_ << "number (empty to cancel): " << std::flush;
        std::string typed;
        if (!std::getline(in_, typed) || typed.empty())
            return std::nullopt;
        char* end = nullptr;
        const unsigned long number = std::strtoul(typed.c_str(), &end, 10);
        if (*end == '\0' && number >= 1 && number <= lines.size())
            return number - 1;
        err_ << "\"" << typed << "\" is not a number from 1 to " << lines.size() << "\n";
    }
}

template <class Entry>
std::optional<std::size_t> TerminalUiDriver::answer(const PresetChoice& preset, std::span<const Entry> entries,
                                                    const std::string& what, const std::string& title)
{
    if (preset.guid) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].guid == *preset.guid)
                return i;
        problem_ = "the " + what + " given with " + preset.option + " is not offered";
        return std::nullopt;
    }
    if (!interactive_) {
        problem_ = "missing option " + preset.option + " (standard input is not a terminal to choose on)";
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (const Entry& entry : entries)
        lines.push_back(line(entry));
    const auto chosen = askNumber(title, lines);
    if (!chosen)
        problem_ = "the choice of the " + what + " was cancelled";
    return chosen;
}

std::optional<std::size_t> TerminalUiDriver::ChooseReference(HWND /*owner*/, std::span<const ReferenceChoice> references)
{
    return answer(reference_, references, "PDM reference", "Choose a PDM reference");
}

std::optional<std::size_t> TerminalUiDriver::ChooseObject(HWND /*owner*/, const ReferenceChoice& reference,
                                                          std::wstring_view filterText,
                                                          std::span<const ObjectChoice> objects)
{
    std::string title = "Choose an object of \"" + shown(reference.name) + "\"";
    if (!filterText.empty())
        title += " (filter " + shown(filterText) + ")";
    return answer(object_, objects, "PDM object", title);
}

void TerminalUiDriver::OpenLink(std::wstring_view link)
{
    const char* program = std::getenv("CAMPDM_OPEN_LINK");
    if (!program || !*program) {
        out_ << shown(link) << "\n";
        return;
    }
    const int exitCode = runProgram(program, shown(link));
    if (exitCode != 0)
        problem_ = std::string("$CAMPDM_OPEN_LINK (") + program + ") " +
                   (exitCode < 0 ? "could not be run" : "failed with exit code " + std::to_string(exitCode));
}

} // namespace Campdm
