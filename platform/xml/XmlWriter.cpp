#include "platform/xml/XmlWriter.h"

#include <string_view>

namespace zkaux::xml {
namespace {

void appendEscaped(std::string& out, std::string_view text, bool inAttribute)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += inAttribute ? "&quot;" : "\""; break;
        case '\'': out += inAttribute ? "&apos;" : "'"; break;
        case '\n': out += inAttribute ? "&#10;" : "\n"; break;
        case '\t': out += inAttribute ? "&#9;" : "\t"; break;
        default: out += c;
        }
    }
}

std::string_view nameOf(const rapidxml::xml_base<char>& item)
{
    return {item.name(), item.name_size()};
}

std::string_view valueOf(const rapidxml::xml_base<char>& item)
{
    return {item.value(), item.value_size()};
}

// Line breaks and indentation around text between elements are layout, not content: the
// writer puts its own around such text, so it writes the text without them.
std::string_view withoutLayout(std::string_view text)
{
    constexpr std::string_view layout = " \t\r\n";
    const auto first = text.find_first_not_of(layout);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(layout) - first + 1);
}

bool hasElementChildren(const XmlNode& node)
{
    for (auto* child = node.first_node(); child; child = child->next_sibling())
        if (child->type() == rapidxml::node_element)
            return true;
    return false;
}

void appendStartTag(std::string& out, const XmlNode& node)
{
    out += '<';
    out += nameOf(node);
    for (auto* attribute = node.first_attribute(); attribute; attribute = attribute->next_attribute()) {
        out += ' ';
        out += nameOf(*attribute);
        out += "=\"";
        appendEscaped(out, valueOf(*attribute), true);
        out += '"';
    }
}

} // namespace

void WriteElement(std::string& out, const XmlNode& node, int depth)
{
    const std::string indent(static_cast<std::size_t>(2 * depth), ' ');
    out += indent;
    appendStartTag(out, node);
    if (!hasElementChildren(node)) {
        if (node.value_size() == 0) {
            out += "/>\n";
            return;
        }
        out += '>';
        appendEscaped(out, valueOf(node), false);
        out += "</";
        out += nameOf(node);
        out += ">\n";
        return;
    }
    out += ">\n";
    for (auto* child = node.first_node(); child; child = child->next_sibling()) {
        if (child->type() == rapidxml::node_element) {
            WriteElement(out, *child, depth + 1);
        } else if (child->type() == rapidxml::node_data || child->type() == rapidxml::node_cdata) {
            const std::string_view text = withoutLayout(valueOf(*child));
            if (text.empty())
                continue;
            out += indent + "  ";
            appendEscaped(out, text, false);
            out += '\n';
        }
    }
    out += indent + "</";
    out += nameOf(node);
    out += ">\n";
}

} // namespace zkaux::xml
