#include "CommandLine.h"

#include "Command.h"
#include "CommandErrors.h"
#include "TerminalUiDriver.h"

#include <cstdlib>
#include <unistd.h>

namespace Campdm {
namespace {

void printUsage(std::ostream& out)
{
    out << "usage: campdm COMMAND [ARGUMENTS]   (campdm COMMAND --help for one command)\n\n";
    for (const Command& command : AllCommands())
        out << "  " << command.name << " " << command.synopsis << "\n      " << command.summary << "\n";
}

void printHelp(std::ostream& out, const Command& command)
{
    out << "usage: campdm " << command.name << " " << command.synopsis << "\n\n" << command.summary << ".\n";
    if (!command.help.empty())
        out << "\n" << command.help << "\n";
}

// The command named by the first words, and the words after its name.
const Command* findCommand(const std::vector<std::string>& words, std::vector<std::string>& rest)
{
    for (const Command& command : AllCommands()) {
        const bool twoWords = command.name.find(' ') != std::string::npos;
        const std::string name = twoWords && words.size() > 1 ? words[0] + " " + words[1] : words[0];
        if (name == command.name) {
            rest.assign(words.begin() + (twoWords ? 2 : 1), words.end());
            return &command;
        }
    }
    return nullptr;
}

// The shipped data: $CAMPDM_DATA, else the source tree's data/.
std::filesystem::path dataDirectory()
{
    if (const char* fromEnvironment = std::getenv("CAMPDM_DATA"))
        return fromEnvironment;
    return CAMPDM_DEFAULT_DATA;
}

int run(const Command& command, const std::vector<std::string>& words, std::istream& in, std::ostream& out,
        std::ostream& err)
{
    const std::string prefix = "campdm " + command.name + ": ";
    try {
        const Arguments args(words, command.rules);
        if (args.WantsHelp()) {
            printHelp(out, command);
            return ExitSuccess;
        }
        TerminalUiDriver driver(in, out, err, ::isatty(STDIN_FILENO) == 1);
        const Vireo::Ui::ScopedHostUiDriver installed(driver);
        return command.run(args, CommandContext{out, err, dataDirectory(), driver});
    } catch (const UsageError& error) {
        err << prefix << error.what() << "   (usage: campdm " << command.name << " " << command.synopsis << ")\n";
        return ExitBadInput;
    } catch (const InputError& error) {
        err << prefix << error.what() << "\n";
        return ExitBadInput;
    } catch (const std::exception& error) {
        err << prefix << error.what() << "\n";
        return ExitFailed;
    }
}

} // namespace

int RunCommandLine(const std::vector<std::string>& words, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (words.empty()) {
        printUsage(err);
        return ExitBadInput;
    }
    if (words[0] == "help" || words[0] == "--help" || words[0] == "-h") {
        printUsage(out);
        return ExitSuccess;
    }
    std::vector<std::string> rest;
    if (const Command* command = findCommand(words, rest))
        return run(*command, rest, in, out, err);
    err << "campdm: unknown command \"" << words[0] << "\" (campdm --help lists the commands)\n";
    return ExitBadInput;
}

} // namespace Campdm
