// campdm demo: the plug-in at work on the shipped data.

#include "Command.h"
#include "CommandErrors.h"
#include "ExportDemo.h"
#include "FilesDemo.h"
#include "ImportDemo.h"

namespace Campdm {
namespace {

int runDemo(const Arguments& args, const CommandContext& context)
{
    const std::filesystem::path data = args.OptionalWord("DATA").value_or(context.dataDirectory.string());
    if (!std::filesystem::is_directory(data / "pdm"))
        throw InputError("no shipped PDM data in \"" + (data / "pdm").string() + "\"");
    if (const int failed = RunImportDemo(context.out, data, context.ui))
        return failed;
    context.out << "\n";
    if (const int failed = RunExportDemo(context.out, data, context.ui))
        return failed;
    context.out << "\n";
    return RunFilesDemo(context.out, context.err);
}

} // namespace

std::vector<Command> DemoCommands()
{
    return {
        {"demo", "[DATA]", "import the sample project into CAM, export a CAM project, then run the commands on files",
         "DATA is the folder of the shipped data (default: $CAMPDM_DATA, else the data/ folder of\n"
         "the source tree).",
         {{}, {"DATA"}, {}, {}}, runDemo},
    };
}

} // namespace Campdm
