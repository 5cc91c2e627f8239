// campdm get and set: CAM values by the names the integration rules use.

#include "CamTreeWalk.h"
#include "Command.h"
#include "CommandErrors.h"
#include "DocumentFile.h"
#include "ObjectPath.h"
#include "TextOutput.h"
#include "ValueText.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/CamTables.h"

#include "platform/host/ChangeBracket.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/support/Utf8.h"

#include <algorithm>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;

// The parameter names of the object's type, sorted.
std::vector<std::wstring> parameterNames(const CamObjectManager& manager)
{
    std::vector<std::wstring> names;
    const auto type = CamTypes.find(manager.GetAppType());
    if (type != CamTypes.end())
        for (const auto& [name, id] : type->second.parameters)
            names.emplace_back(name);
    std::sort(names.begin(), names.end());
    return names;
}

CamValuePtr requireValue(const CamObjectManager& manager, const std::string& parameter)
{
    const std::wstring name = Vireo::Support::Utf8ToWide(parameter);
    const std::vector<std::wstring> known = parameterNames(manager);
    if (std::find(known.begin(), known.end(), name) == known.end())
        throw CommandFailed(CamObjectLabel(manager.GetObject()) + " has no parameter \"" + parameter +
                            "\" (campdm get DOC OBJECT lists its values)");
    CamValuePtr value = manager.GetValue(name);
    if (!value)
        throw CommandFailed(CamObjectLabel(manager.GetObject()) + " has no value \"" + parameter + "\"");
    return value;
}

int runGet(const Arguments& args, const CommandContext& context)
{
    const auto document = ReadDocumentFile(args.Word("DOC"));
    const CamObjectManager manager(FindCamObject(*document, args.Word("OBJECT")));
    if (const auto parameter = args.OptionalWord("PARAM")) {
        context.out << FormatCamValue(*requireValue(manager, *parameter)) << "\n";
        return ExitSuccess;
    }
    context.out << CamObjectLabel(manager.GetObject()) << " (" << CamObjectIdentity(manager.GetObject()) << ")\n";
    for (const auto& [name, value] : CamObjectValues(manager.GetObject()))
        context.out << "  " << Utf8(name) << " = " << FormatCamValue(*value) << "\n";
    return ExitSuccess;
}

int runSet(const Arguments& args, const CommandContext& context)
{
    const std::filesystem::path path = args.Word("DOC");
    const auto document = ReadDocumentFile(path);
    RequireWritableDocument(path);
    CamObjectManager manager(FindCamObject(*document, args.Word("OBJECT")));
    const std::string& parameter = args.Word("PARAM");
    const CamValuePtr current = requireValue(manager, parameter);
    const std::string before = FormatCamValue(*current);
    const auto value = ParseCamValue(args.Word("VALUE[UNIT]"), *current);

    ChangeBracket bracket(document.get(), L"Set " + Vireo::Support::Utf8ToWide(parameter));
    if (!bracket.IsOpen())
        throw CommandFailed("the document refused the change");
    if (!manager.SetValue(Vireo::Support::Utf8ToWide(parameter), *value))
        throw CommandFailed(CamObjectLabel(manager.GetObject()) + " refused " + parameter + " = " +
                            FormatCamValue(*value) + "; nothing was changed");
    bracket.Keep();
    SaveDocumentFile(*document, path);
    context.out << CamObjectLabel(manager.GetObject()) << ": " << parameter << " " << before << " -> "
                << FormatCamValue(*manager.GetValue(Vireo::Support::Utf8ToWide(parameter))) << "\n";
    return ExitSuccess;
}

} // namespace

std::vector<Command> ValueCommands()
{
    return {
        {"get", "DOC OBJECT [PARAM]", "print the values of a CAM object, or one value",
         "OBJECT is a path of names from the top of the document (\"Housing/Pockets/Roughing\") or an\n"
         "identity as campdm tree shows it. Values are listed by the parameter names of the\n"
         "integration rules (\"Feed\", \"D\"), numbers with their units.",
         {{"DOC", "OBJECT"}, {"PARAM"}, {}, {}}, runGet},
        {"set", "DOC OBJECT PARAM VALUE[UNIT]", "change one CAM value, as the property editor does",
         "PARAM is a parameter name of the integration rules (\"Feed\", \"D\"). A number may carry a unit\n"
         "of the same quantity (12mm, 0.5in, 1500mm/min); without one it is in the value's unit.\n"
         "The change is one undo step; the document file is replaced only when it succeeds.",
         {{"DOC", "OBJECT", "PARAM", "VALUE[UNIT]"}, {}, {}, {}}, runSet},
    };
}

} // namespace Campdm
