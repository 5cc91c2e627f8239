// campdm: the host program. Each sub-command is one job a CAM engineer runs on CAM document
// files and PDM database files.

#include "Command.h"
#include "CommandErrors.h"
#include "TerminalUiDriver.h"

#include "platform/ui/HostUiDriver.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace Campdm;

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

int run(const Command& command, const std::vector<std::string>& words)
{
    const std::string prefix = "campdm " + command.name + ": ";
    try {
        const Arguments args(words, command.rules);
        if (args.WantsHelp()) {
            printHelp(std::cout, command);
            return ExitSuccess;
        }
        TerminalUiDriver driver(std::cin, std::cerr);
        const Vireo::Ui::ScopedHostUiDriver installed(driver);
        return command.run(args, CommandContext{std::cout, std::cerr, dataDirectory()});
    } catch (const UsageError& error) {
        std::cerr << prefix << error.what() << "\nusage: campdm " << command.name << " " << command.synopsis
                  << "   (campdm " << command.name << " --help)\n";
        return ExitBadInput;
    } catch (const InputError& error) {
        std::cerr << prefix << error.what() << "\n";
        return ExitBadInput;
    } catch (const std::exception& error) {
        std::cerr << prefix << error.what() << "\n";
        return ExitFailed;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        printUsage(std::cerr);
        return ExitBadInput;
    }
    if (words[0] == "help" || words[0] == "--help" || words[0] == "-h") {
        printUsage(std::cout);
        return ExitSuccess;
    }
    std::vector<std::string> rest;
    if (const Command* command = findCommand(words, rest))
        return run(*command, rest);
    std::cerr << "campdm: unknown command \"" << words[0] << "\"\n";
    printUsage(std::cerr);
    return ExitBadInput;
}
