// campdm new and tree: making a CAM document file and showing what is in one.

#include "CamTreePrinter.h"
#include "CamTreeWalk.h"
#include "Command.h"
#include "CommandErrors.h"
#include "DocumentFile.h"
#include "ObjectPath.h"

#include "platform/host/Zkw32Doc.h"

namespace Campdm {
namespace {

int runNew(const Arguments& args, const CommandContext& context)
{
    const CZkw32Doc empty;
    CreateDocumentFile(empty, args.Word("DOC"));
    context.out << "Made the empty CAM document " << args.Word("DOC") << "\n";
    return ExitSuccess;
}

int runTree(const Arguments& args, const CommandContext& context)
{
    const auto document = ReadDocumentFile(args.Word("DOC"));
    const auto top = TopCamObjects(*document);
    if (top.empty())
        context.out << "(no CAM objects)\n";
    for (const auto& object : top)
        PrintCamTree(context.out, object);
    return ExitSuccess;
}

} // namespace

std::vector<Command> DocumentCommands()
{
    return {
        {"new", "DOC", "make an empty CAM document file",
         "Refuses to overwrite a file that exists.", {{"DOC"}, {}, {}, {}}, runNew},
        {"tree", "DOC", "print the CAM objects of a document with identities, links and values",
         "Each line shows an object's type, name and [identity], then its PDM link; its values\n"
         "follow, indented. Objects used in several places (a shared tool) are shown once.",
         {{"DOC"}, {}, {}, {}}, runTree},
    };
}

} // namespace Campdm
