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

PdmChoices PresetPdmChoices(const Arguments& args, const std::string& objectOption,
                            Vireo::Arbor::Model::ServerConnection& pdm, TerminalUiDriver& ui)
{
    requireAnswerOrTerminal(args, "--reference", ui);
    requireAnswerOrTerminal(args, objectOption, ui);
    const auto referenceText = args.Option("--reference");
    const auto objectText = args.Option(objectOption);
    if (objectText && !referenceText)
        throw UsageError(objectOption + " needs --reference");
    PdmChoices chosen;
    if (!referenceText)
        return chosen;
    chosen.reference = FindPdmReference(pdm, *referenceText);
    ui.PresetReference({"--reference", chosen.reference->ReferenceInfo()->Guid().ToString()});
    if (objectText)
        chosen.object = FindPdmObject(*chosen.reference, *objectText);
    ui.PresetObject({objectOption, chosen.object ? std::optional(chosen.object->Guid().ToString()) : std::nullopt});
    return chosen;
}

void RequireNoDialogProblem(const TerminalUiDriver& ui)
{
    if (ui.Problem())
        throw CommandFailed(*ui.Problem() + "; nothing was changed");
}

} // namespace Campdm
