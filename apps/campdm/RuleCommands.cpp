// campdm rules: the rule objects of the PDM whose type rows apply to a CAM object, or to any
// CAM type, with the reference each one maps to.

#include "CamTreeWalk.h"
#include "Command.h"
#include "CommandErrors.h"
#include "CommandFiles.h"
#include "ObjectPath.h"
#include "TextOutput.h"

#include "pdm/rules/CamRuleNameCreator.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/Model.h"

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;
namespace Model = Vireo::Arbor::Model;

std::string referenceName(Model::ServerConnection& pdm, const std::wstring& datasetGuid)
{
    const auto guid = System::Guid::TryParse(datasetGuid);
    const auto info = guid ? pdm.ReferenceCatalog()->Find(*guid) : nullptr;
    return info ? Utf8(info->Name()) : "(no such reference)";
}

int runRules(const Arguments& args, const CommandContext& context)
{
    const CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {false, false}, context);
    const auto objectText = args.OptionalWord("OBJECT");
    const CamObject object = objectText ? FindCamObject(files.Document(), *objectText) : CamObject();
    CamRuleNameCreator collector(object);
    if (!IntegrationManager().MakeData(collector))
        throw CommandFailed("the integration rules of the PDM cannot be read");
    context.out << "Rule datasets for " << (objectText ? CamObjectLabel(object) : std::string("any CAM type")) << ":\n";
    if (collector.GetRuleNames().empty())
        context.out << "  (none)\n";
    for (const auto& [name, datasetGuid] : collector.GetRuleNames())
        context.out << "  " << Utf8(name) << "  -> " << referenceName(files.Pdm(), datasetGuid) << " ("
                    << Utf8(datasetGuid) << ")\n";
    return ExitSuccess;
}

} // namespace

std::vector<Command> RuleCommands()
{
    return {
        {"rules", "DOC [OBJECT] --pdm DB", "the rule datasets that apply to a CAM object, or to any type",
         "Each rule object of the PDM that has type rows for the object's type or one of its generic\n"
         "types (for any CAM type without OBJECT), with the name of the reference it maps to.",
         ArgumentRules{{"DOC"}, {"OBJECT"}, {"--pdm"}, {}}, runRules},
    };
}

} // namespace Campdm
