#include "DropDiagnosis.h"

#include "CommandErrors.h"
#include "PdmLookup.h"
#include "PdmObjectPrinter.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <optional>
#include <vector>

namespace Campdm {
namespace {

namespace UI = Vireo::Cam::UI;
using zkaux::xml::Node;

struct DraggedObject {
    std::size_t element = 0; // 1-based, among the children of "Objects"
    std::string object;
    std::string reference;
};

// As the PDM client writes it: 36 characters, hyphenated, no braces.
bool isGuidText(const std::string& text)
{
    return text.size() == 36 && System::Guid::TryParse(Vireo::Support::Utf8ToWide(text)).has_value();
}

// Why the plug-in does not count an element of "Objects" as a dragged object, or nothing.
std::optional<std::string> whyNotCounted(const Node& element)
{
    if (!element.GetSubNode("ParentHierarchyLink"))
        return "has no \"ParentHierarchyLink\" element";
    for (const char* attribute : {"Object", "Reference"}) {
        const auto value = element.GetAttribute(attribute);
        if (!value)
            return std::string("has no \"") + attribute + "\" attribute";
        if (!isGuidText(*value))
            return std::string("has an \"") + attribute + "\" attribute \"" + *value + "\" that is no GUID text";
    }
    return std::nullopt;
}

// The payload whose "Objects" holds one dragged object.
std::string payloadOf(const DraggedObject& dragged)
{
    zkaux::xml::Document document;
    auto element = document.SetRoot("Drag").AddChild("Objects").AddChild("Object");
    element.SetAttribute("Object", dragged.object);
    element.SetAttribute("Reference", dragged.reference);
    element.AddChild("ParentHierarchyLink");
    return document.ToString();
}

// Why the dragged object alone cannot be made over the target, or nothing when it can.
std::optional<std::string> whyNotMade(const DraggedObject& dragged, Vireo::Arbor::Model::ServerConnection& pdm,
                                      UI::IDragDropExtension& extension, const UI::DragObject& target)
{
    std::string name;
    try {
        const auto reference = FindPdmReference(pdm, dragged.reference);
        name = PdmObjectName(*FindPdmObject(*reference, dragged.object)) + "\" of " +
               Vireo::Support::WideToUtf8(reference->ReferenceInfo()->Name());
    } catch (const CommandFailed& unknown) {
        return unknown.what();
    }
    UI::DragDropData trial;
    trial.text = Vireo::Support::Utf8ToWide(payloadOf(dragged));
    trial.target = target;
    extension.DragOver(trial);
    if (trial.effect == 1)
        return std::nullopt;
    return "no integration rule makes a CAM object of \"" + name + " that fits where it was dropped";
}

std::string objectLabel(const DraggedObject& dragged, std::size_t count)
{
    return "dragged object " + std::to_string(dragged.element) + " of " + std::to_string(count) + " (" +
           dragged.object + ")";
}

} // namespace

std::string WhyNothingDropped(const std::string& payload, Vireo::Arbor::Model::ServerConnection& pdm,
                              UI::IDragDropExtension& extension, const UI::DragObject& target)
{
    zkaux::xml::Document document;
    if (!document.LoadXml(payload))
        return "the payload is not XML (line " + std::to_string(document.GetErrorLine()) + ": " +
               document.GetError() + ")";
    const Node root = document.GetRoot();
    const Node objects = root ? root.GetSubNode("Objects") : Node();
    if (!objects)
        return "the payload has no \"Objects\" element under its root element";
    const std::vector<Node> elements = objects.GetChildren();
    std::vector<DraggedObject> dragged;
    std::optional<std::string> firstSkipped;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (const auto why = whyNotCounted(elements[i])) {
            if (!firstSkipped)
                firstSkipped = "its element " + std::to_string(i + 1) + " (\"" + elements[i].GetName() + "\") " + *why;
            continue;
        }
        dragged.push_back({i + 1, *elements[i].GetAttribute("Object"), *elements[i].GetAttribute("Reference")});
    }
    if (dragged.empty())
        return "the payload names no PDM object: " +
               (firstSkipped ? *firstSkipped : std::string("its \"Objects\" element is empty"));
    for (const DraggedObject& object : dragged)
        if (const auto why = whyNotMade(object, pdm, extension, target))
            return objectLabel(object, elements.size()) + " cannot be made: " + *why + ", so none was created";
    return "a dragged object could not be created with the others, so none was created";
}

} // namespace Campdm
