// campdm rules: the rule objects of the PDM whose type rows apply to a CAM object, or to any
// CAM type, with the reference each one maps to; campdm rules check: every rule row checked
// against the CAM catalogue and the PDM schema.

#include "CamTreeWalk.h"
#include "Command.h"
#include "CommandErrors.h"
#include "CommandFiles.h"
#include "ObjectPath.h"
#include "PdmDatabaseFile.h"
#include "TextOutput.h"

#include "pdm/rules/CamRuleNameCreator.h"
#include "pdm/rules/IntegrationManager.h"
#include "pdm/rulecheck/RuleCheck.h"

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

int runRulesCheck(const Arguments& args, const CommandContext& context)
{
    const std::string database = args.RequiredOption("--pdm");
    const PdmWorkingCopy pdm(database, false, PdmSeedFolder(context.dataDirectory));
    const auto problems = CheckIntegrationRules(pdm.Connection());
    if (!problems)
        throw CommandFailed(database + " holds no integration rules that can be read");
    for (const RuleProblem& problem : *problems)
        context.out << Utf8(problem.ruleObject) << (problem.row.empty() ? "" : ", " + Utf8(problem.row)) << ": "
                    << Utf8(problem.what) << "\n";
    if (!problems->empty())
        throw CommandFailed("the integration rules of " + database + " have " + std::to_string(problems->size()) +
                            (problems->size() == 1 ? " problem" : " problems"));
    context.out << "The integration rules of " << database << " are in order\n";
    return ExitSuccess;
}

} // namespace

std::vector<Command> RuleCommands()
{
    // "rules check" comes first: the words "rules check" always name the check, and a document
    // file called check is written ./check.
    return {
        {"rules check", "--pdm DB", "check the integration rules against the CAM catalogue and the PDM schema",
         "One line per problem, naming the rule object and its row: CAM types and parameters the\n"
         "catalogue does not know, PDM classes, groups and parameters the schema does not have,\n"
         "paths that cannot be walked, tags the filled object does not carry, units of different\n"
         "quantities on the two sides, and rows that can never take effect. Exit code 1 when there\n"
         "is a problem. Only the rule objects of this plug-in's application are checked.",
         ArgumentRules{{}, {}, {"--pdm"}, {}}, runRulesCheck},
        {"rules", "DOC [OBJECT] --pdm DB", "the rule datasets that apply to a CAM object, or to any type",
         "Each rule object of the PDM that has type rows for the object's type or one of its generic\n"
         "types (for any CAM type without OBJECT), with the name of the reference it maps to.\n"
         "A document file called check is given as ./check (campdm rules check is the check).",
         ArgumentRules{{"DOC"}, {"OBJECT"}, {"--pdm"}, {}}, runRules},
    };
}

} // namespace Campdm
