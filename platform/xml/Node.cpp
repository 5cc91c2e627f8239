#include "platform/xml/Node.h"

#include "platform/xml/Document.h"
#include "platform/xml/XmlWriter.h"

namespace zkaux::xml {
namespace {

bool nameIs(const rapidxml::xml_base<char>& item, std::string_view name)
{
    return std::string_view(item.name(), item.name_size()) == name;
}

XmlNode* cloneInto(Document& target, const XmlNode& source)
{
    auto& doc = target.GetXmlDocument();
    auto* copy = doc.allocate_node(source.type(),
                                   target.AllocateString({source.name(), source.name_size()}),
                                   target.AllocateString({source.value(), source.value_size()}),
                                   source.name_size(), source.value_size());
    for (auto* a = source.first_attribute(); a; a = a->next_attribute())
        copy->append_attribute(doc.allocate_attribute(target.AllocateString({a->name(), a->name_size()}),
                                                      target.AllocateString({a->value(), a->value_size()}),
                                                      a->name_size(), a->value_size()));
    for (auto* child = source.first_node(); child; child = child->next_sibling())
        copy->append_node(cloneInto(target, *child));
    return copy;
}

} // namespace

std::string Node::GetName() const
{
    return node_ ? std::string(node_->name(), node_->name_size()) : std::string();
}

std::string Node::GetValue() const
{
    if (!node_)
        return {};
    // A value may come in pieces: text, CDATA sections, and text on both sides of a comment
    // (which the parser drops). The element's own value is the first piece only.
    std::string value;
    bool pieces = false;
    for (auto* child = node_->first_node(); child; child = child->next_sibling()) {
        if (child->type() == rapidxml::node_data || child->type() == rapidxml::node_cdata) {
            value.append(child->value(), child->value_size());
            pieces = true;
        }
    }
    return pieces ? value : std::string(node_->value(), node_->value_size());
}

void Node::SetValue(std::string_view value)
{
    // The writer prints an element's value, so a parsed data child must not print twice.
    for (auto* child = node_->first_node(); child;) {
        auto* next = child->next_sibling();
        if (child->type() == rapidxml::node_data || child->type() == rapidxml::node_cdata)
            node_->remove_node(child);
        child = next;
    }
    node_->value(document_->AllocateString(value), value.size());
}

std::optional<std::string> Node::GetAttribute(std::string_view name) const
{
    if (!node_)
        return std::nullopt;
    for (auto* a = node_->first_attribute(); a; a = a->next_attribute())
        if (nameIs(*a, name))
            return std::string(a->value(), a->value_size());
    return std::nullopt;
}

void Node::SetAttribute(std::string_view name, std::string_view value)
{
    char* stored = document_->AllocateString(value);
    for (auto* a = node_->first_attribute(); a; a = a->next_attribute()) {
        if (nameIs(*a, name)) {
            a->value(stored, value.size());
            return;
        }
    }
    node_->append_attribute(document_->GetXmlDocument().allocate_attribute(document_->AllocateString(name), stored,
                                                                           name.size(), value.size()));
}

Node Node::GetSubNode(std::string_view name) const
{
    if (!node_)
        return {};
    for (auto* child = node_->first_node(); child; child = child->next_sibling())
        if (child->type() == rapidxml::node_element && nameIs(*child, name))
            return Node(document_, child);
    return {};
}

std::vector<Node> Node::GetChildren() const
{
    std::vector<Node> children;
    if (!node_)
        return children;
    for (auto* child = node_->first_node(); child; child = child->next_sibling())
        if (child->type() == rapidxml::node_element)
            children.emplace_back(document_, child);
    return children;
}

Node Node::AddChild(std::string_view name)
{
    return AppendChild(document_->CreateElement(name));
}

Node Node::AppendChild(Node child)
{
    node_->append_node(child.node_);
    return child;
}

Node Node::CloneTree(Document& target) const
{
    return Node(&target, cloneInto(target, *node_));
}

std::string Node::GetXml() const
{
    std::string out;
    if (node_)
        WriteElement(out, *node_, 0);
    return out;
}

} // namespace zkaux::xml
