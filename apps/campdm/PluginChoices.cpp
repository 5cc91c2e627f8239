#include "PluginChoices.h"

#include "CommandErrors.h"
#include "PdmLookup.h"
#include "TerminalUiDriver.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ReferenceInfo.h"

namespace Campdm {
namespace {

void requireAnswerOrTerminal(const Arguments& args, const std::string& option, const TerminalUiDriver& ui)
{
    if (!args.Option(option) && !ui.IsInteractive())
        throw UsageError("missing option " + option + " (standard input is not a terminal to choose on)");
}

} // namespace

std::shared_ptr<Vireo::Arbor::Model::Reference> PresetPdmChoices(const Arguments& args, const std::string& objectOption,
                                                                Vireo::Arbor::Model::ServerConnection& pdm,
                                                                TerminalUiDriver& ui)
{
    requireAnswerOrTerminal(args, "--reference", ui);
    requireAnswerOrTerminal(args, objectOption, ui);
    const auto referenceText = args.Option("--reference");
    const auto objectText = args.Option(objectOption);
    if (objectText && !referenceText)
        throw UsageError(objectOption + " needs --reference");
    if (!referenceText)
        return nullptr;
    const auto reference = FindPdmReference(pdm, *referenceText);
    ui.PresetReference({"--reference", reference->ReferenceInfo()->Guid().ToString()});
    if (objectText)
        ui.PresetObject({objectOption, FindPdmObject(*reference, *objectText)->Guid().ToString()});
    else
        ui.PresetObject({objectOption, std::nullopt});
    return reference;
}

void RequireNoDialogProblem(const TerminalUiDriver& ui)
{
    if (ui.Problem())
        throw CommandFailed(*ui.Problem() + "; nothing was changed");
}

} // namespace Campdm
