#include "pdm/convert/internal/CamPdmXml.h"

#include "pdm/cam/CamObjectManager.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <cstdio>
#include <vector>

namespace Vireo::Cam::Pdm::internal {
namespace {

using NodeObject = CamPdmXmlCreator::NodeObject;
using zkaux::xml::Node;

std::string utf8(const std::wstring& text)
{
    return Support::WideToUtf8(text);
}

// A value's "type" attribute and text; an empty value has neither.
struct ValueText {
    const char* type = nullptr;
    std::string text;

    ValueText operator()(std::monostate) const { return {}; }
    ValueText operator()(const std::wstring& value) const { return {"string", utf8(value)}; }
    ValueText operator()(std::int32_t value) const { return {"int", std::to_string(value)}; }
    ValueText operator()(bool value) const { return {"bool", value ? "true" : "false"}; }
    ValueText operator()(double value) const
    {
        const int length = std::snprintf(nullptr, 0, "%f", value);
        std::string printed(static_cast<std::size_t>(length), '\0');
        std::snprintf(printed.data(), printed.size() + 1, "%f", value);
        return {"double", std::move(printed)};
    }
};

bool convertValuesToXml(const NodeObject& object, Node& element)
{
    for (const auto& [guid, value] : object.values) {
        Node written = element.AddChild("Value");
        written.SetAttribute("guid", utf8(guid));
        const ValueText text = std::visit(ValueText{}, value);
        if (text.type) {
            written.SetAttribute("type", text.type);
            written.SetValue(text.text);
        }
    }
    return !object.values.empty();
}

Node addSubObject(Node& parent, const std::wstring& group, const NodeObject& object)
{
    Node element = parent.AddChild(object.listGuid.empty() ? "LinkObject" : "ListObject");
    element.SetAttribute("referenceGuid", utf8(object.referenceGuid));
    element.SetAttribute("classGuid", utf8(object.classGuid));
    if (!group.empty())
        element.SetAttribute("linkGuid", utf8(group));
    convertValuesToXml(object, element);
    return element;
}

// Sub-objects nest inside their owner's element, each one's own before its next sibling.
void convertChildrenToXml(const NodeObject& object, Node element)
{
    struct Level {
        const std::vector<std::pair<std::wstring, std::shared_ptr<NodeObject>>>* children;
        std::size_t next;
        Node parent;
    };
    std::vector<Level> stack{{&object.children, 0, element}};
    while (!stack.empty()) {
        Level& top = stack.back();
        if (top.next == top.children->size()) {
            stack.pop_back();
            continue;
        }
        const auto& [group, child] = (*top.children)[top.next++];
        Node added = addSubObject(top.parent, group, *child);
        stack.push_back({&child->children, 0, added});
    }
}

Node objectsElement(zkaux::xml::Document& document)
{
    Node root = document.GetRoot();
    if (!root)
        root = document.SetRoot("Root");
    if (!root)
        return {};
    Node objects = root.GetSubNode("Objects");
    return objects ? objects : root.AddChild("Objects");
}

} // namespace

bool convertToXml(const std::shared_ptr<NodeObject>& object, const CamObject& camObject,
                  std::shared_ptr<zkaux::xml::Document>& document)
{
    if (!object)
        return false;
    if (!document)
        document = std::make_shared<zkaux::xml::Document>();
    Node objects = objectsElement(*document);
    if (!objects)
        return false;
    Node rootObject = objects.AddChild("RootObject");
    rootObject.SetAttribute("id", utf8(CamObjectManager::idToString(CamObjectManager::GetId(camObject))));
    Node element = rootObject.AddChild("Object");
    element.SetAttribute("referenceGuid", utf8(object->referenceGuid));
    element.SetAttribute("classGuid", utf8(object->classGuid));
    convertValuesToXml(*object, element);
    convertChildrenToXml(*object, element);
    return true;
}

} // namespace Vireo::Cam::Pdm::internal
