#include "CamDescriptionPreview.h"

#include "TextOutput.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <algorithm>

namespace Campdm {
namespace {

namespace Model = Vireo::Arbor::Model;

std::string firstText(const zkaux::xml::Node& object)
{
    for (const auto& child : object.GetChildren())
        if (child.GetName() == "Value" && child.GetAttribute("type") == "string")
            return child.GetValue();
    return {};
}

// "Class (Reference)", as far as the PDM knows them.
std::string classOf(const zkaux::xml::Node& object, Model::ServerConnection& connection)
{
    const std::string classText = object.GetAttribute("classGuid").value_or("");
    const auto referenceGuid =
        System::Guid::TryParse(Vireo::Support::Utf8ToWide(object.GetAttribute("referenceGuid").value_or("")));
    const auto reference = referenceGuid ? connection.ReferenceCatalog()->Find(*referenceGuid) : nullptr;
    if (!reference)
        return classText;
    const auto classGuid = System::Guid::TryParse(Vireo::Support::Utf8ToWide(classText));
    const auto found = classGuid ? reference->Classes()->Find(*classGuid) : nullptr;
    return (found ? Utf8(found->Name()) : classText) + " (" + Utf8(reference->Name()) + ")";
}

std::vector<std::string> parentsOf(const zkaux::xml::Node& rootObject)
{
    std::vector<std::string> parents;
    if (const auto list = rootObject.GetSubNode("Parents"))
        for (const auto& parent : list.GetChildren())
            parents.push_back(parent.GetAttribute("id").value_or(""));
    return parents;
}

} // namespace

std::vector<DescribedPdmObject> ReadCamDescription(const std::string& description, Model::ServerConnection& connection)
{
    zkaux::xml::Document document;
    if (!document.LoadXml(description))
        return {};
    const auto root = document.GetRoot();
    const auto objects = root ? root.GetSubNode("Objects") : zkaux::xml::Node();
    if (!objects)
        return {};
    // The rules may offer several classes for one CAM object: one entry each in the text.
    std::vector<DescribedPdmObject> described;
    for (const auto& rootObject : objects.GetChildren()) {
        const auto object = rootObject.GetSubNode("Object");
        if (!object)
            continue;
        const std::string camId = rootObject.GetAttribute("id").value_or("");
        auto same = std::find_if(described.begin(), described.end(),
                                 [&camId](const DescribedPdmObject& known) { return known.camId == camId; });
        if (same == described.end())
            same = described.insert(described.end(), {camId, firstText(object), {}, parentsOf(rootObject)});
        same->classes.push_back(classOf(object, connection));
    }
    return described;
}

} // namespace Campdm
