#include "CamTreePrinter.h"

#include "CamTreeWalk.h"
#include "TextOutput.h"
#include "ValueText.h"

#include "pdm/cam/CamObjectManager.h"

#include <set>
#include <string>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;

void printValues(std::ostream& out, const CamObject& object, const std::string& indent)
{
    for (const auto& [name, value] : CamObjectValues(object))
        if (name != L"Name")
            out << indent << "  " << Utf8(name) << " = " << FormatCamValue(*value) << "\n";
}

void printObject(std::ostream& out, const CamObject& object, int depth, std::set<CamObjectId>& printed)
{
    const std::string indent(2 * depth, ' ');
    const CamObjectManager manager(object);
    out << indent << CamObjectLabel(object) << " [" << CamObjectIdentity(object) << "]";
    if (!printed.insert(CamObjectManager::GetId(object)).second) {
        out << " (shared, shown above)\n";
        return;
    }
    const std::wstring link = CamObjectManager::GetUri(object);
    out << (link.empty() ? "  no link" : "  -> " + Utf8(link)) << "\n";
    printValues(out, object, indent);
    for (const CamObject& child : manager.GetChildCamObjects(true))
        printObject(out, child, depth + 1, printed);
}

} // namespace

void PrintCamTree(std::ostream& out, const CamObject& root)
{
    std::set<CamObjectId> printed;
    printObject(out, root, 1, printed);
}

} // namespace Campdm
