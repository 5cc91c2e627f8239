// campdm pdm init and pdm check: a PDM database file to work with, and whether one is whole.

#include "Command.h"
#include "CommandErrors.h"
#include "PdmDatabaseFile.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/DatabaseCheck.h"
#include "platform/arbor/ModelException.h"

namespace Campdm {
namespace {

namespace Model = Vireo::Arbor::Model;

int runInit(const Arguments& args, const CommandContext& context)
{
    const std::string database = args.Word("DB");
    const std::filesystem::path data = args.Option("--data").value_or(context.dataDirectory.string());
    context.out << "Making the PDM database " << Model::Database::ShownName(database) << "\n";
    if (Model::Database::IsServerText(database))
        CreatePdmServerDatabase(database, data, args.Flag("--force"), context.out);
    else
        CreatePdmDatabaseFile(database, data, args.Flag("--force"), context.out);
    return ExitSuccess;
}

int runCheck(const Arguments& args, const CommandContext& context)
{
    const std::string text = args.Word("DB");
    const std::string path = Model::Database::ShownName(text);
    if (!Model::Database::IsServerText(text))
        CheckPdmDatabaseFile(text);
    std::vector<std::string> problems;
    try {
        problems = Model::CheckDatabase(*Model::Database::Open(text));
    } catch (const Model::ModelException& error) {
        throw InputError(error.what());
    }
    for (const auto& problem : problems)
        context.out << problem << "\n";
    if (!problems.empty())
        throw CommandFailed("the PDM database \"" + path + "\" is not whole: " + std::to_string(problems.size()) +
                            (problems.size() == 1 ? " problem" : " problems"));
    context.out << "The PDM database " << path << " is whole\n";
    return ExitSuccess;
}

} // namespace

std::vector<Command> PdmFileCommands()
{
    return {
        {"pdm init", "DB [--data DIR] [--force]", "make a PDM database file seeded from the shipped data",
         "DIR is a folder of PDM seed files (or a folder with a pdm/ sub-folder of them); without it\n"
         "the shipped data is used. An existing file is replaced only with --force. The file\n"
         "appears only when every seed file was read; a seed file with an error is named with its\n"
         "line, and no database is made.",
         {{"DB"}, {}, {"--data"}, {"--force"}}, runInit},
        {"pdm check", "DB", "check that a PDM database file is whole",
         "Checks the file's structure and the model's rules: every object has an existing class of\n"
         "its reference, every link and hierarchy row joins existing objects, every table row has its\n"
         "owner, every value belongs to a parameter of its object's class, no object is among its own\n"
         "ancestors. Each problem is printed on a line of its own; the exit code is 1 when there are\n"
         "any. The file is only read.",
         {{"DB"}, {}, {}, {}}, runCheck},
    };
}

} // namespace Campdm
