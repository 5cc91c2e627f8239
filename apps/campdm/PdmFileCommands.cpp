// campdm pdm init: a PDM database file to work with.

#include "Command.h"
#include "CommandErrors.h"
#include "PdmDatabaseFile.h"

namespace Campdm {
namespace {

int runInit(const Arguments& args, const CommandContext& context)
{
    const std::filesystem::path database = args.Word("DB");
    const std::filesystem::path data = args.Option("--data").value_or(context.dataDirectory.string());
    context.out << "Making the PDM database " << database.string() << "\n";
    CreatePdmDatabaseFile(database, data, args.Flag("--force"), context.out);
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
    };
}

} // namespace Campdm
