#pragma once
// A handle to one element of a zkaux::xml::Document. Handles do not own anything: they
// stay valid while their document lives and is not reloaded.
//
// Text is UTF-8 (char). The RapidXML node underneath is reachable for callers that read
// attributes and values directly (xml_node::first_attribute, xml_base::value).

#include <boost/property_tree/detail/rapidxml.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zkaux::xml {

namespace rapidxml = boost::property_tree::detail::rapidxml;
using XmlNode = rapidxml::xml_node<char>;

class Document;

class Node {
public:
    Node() = default;
    Node(Document* document, XmlNode* node) : document_(document), node_(node) {}

    explicit operator bool() const { return node_ != nullptr; }
    XmlNode* GetXmlNode() const { return node_; }
    Document* GetDocument() const { return document_; }

    std::string GetName() const;
    // The element's text: its text and CDATA children joined, entities already replaced.
    std::string GetValue() const;
    void SetValue(std::string_view value);

    std::optional<std::string> GetAttribute(std::string_view name) const;
    // Replaces the value of an existing attribute or appends a new one.
    void SetAttribute(std::string_view name, std::string_view value);

    // The first child element with this exact name, or an empty handle.
    Node GetSubNode(std::string_view name) const;
    // The child elements in document order.
    std::vector<Node> GetChildren() const;

    // Appends a new empty element with this name and returns it.
    Node AddChild(std::string_view name);
    // Appends an element of this document (for example one made by CloneTree).
    Node AppendChild(Node child);
    // A deep copy of this element owned by `target`, not yet attached anywhere.
    Node CloneTree(Document& target) const;

    // The element as indented XML text, without declaration.
    std::string GetXml() const;

private:
    Document* document_ = nullptr;
    XmlNode* node_ = nullptr;
};

} // namespace zkaux::xml
