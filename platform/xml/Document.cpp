#include "platform/xml/Document.h"

#include "platform/xml/XmlWriter.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zkaux::xml {

Document::Document() : document_(std::make_unique<XmlDocument>()) {}

Document::~Document() = default;

void Document::clear()
{
    document_->clear();
    buffer_.clear();
    source_.clear();
    error_.clear();
    errorOffset_ = 0;
    errorLine_ = 0;
}

bool Document::LoadXml(std::string_view text)
{
    clear();
    buffer_.assign(text.begin(), text.end());
    buffer_.push_back('\0');
    source_.assign(text);
    try {
        document_->parse<0>(buffer_.data());
    } catch (const rapidxml::parse_error& e) {
        const auto* where = e.where<char>();
        const std::size_t offset = where ? static_cast<std::size_t>(where - buffer_.data()) : 0;
        // The parser writes terminators into its buffer, so count lines in the original.
        const std::size_t line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, text.size())), '\n'));
        const std::string message = e.what();
        clear();
        error_ = message;
        errorOffset_ = offset;
        errorLine_ = line;
        return false;
    }
    if (!GetRoot()) {
        clear();
        error_ = "no root element";
        errorLine_ = 1;
        return false;
    }
    return true;
}

bool Document::LoadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        clear();
        error_ = "cannot open " + path.string();
        return false;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return LoadXml(text);
}

std::size_t Document::LineOf(const Node& node) const
{
    if (!node || buffer_.empty())
        return 0;
    const char* name = node.GetXmlNode()->name();
    if (name < buffer_.data() || name >= buffer_.data() + buffer_.size())
        return 0;
    const auto offset = static_cast<std::size_t>(name - buffer_.data());
    return 1 + static_cast<std::size_t>(std::count(source_.begin(), source_.begin() + static_cast<std::ptrdiff_t>(std::min(offset, source_.size())), '\n'));
}

Node Document::GetRoot()
{
    for (auto* node = document_->first_node(); node; node = node->next_sibling())
        if (node->type() == rapidxml::node_element)
            return Node(this, node);
    return {};
}

Node Document::SetRoot(std::string_view name)
{
    if (auto old = GetRoot())
        document_->remove_node(old.GetXmlNode());
    Node root = CreateElement(name);
    document_->append_node(root.GetXmlNode());
    return root;
}

Node Document::CreateElement(std::string_view name)
{
    char* stored = AllocateString(name);
    return Node(this, document_->allocate_node(rapidxml::node_element, stored, nullptr, name.size(), 0));
}

char* Document::AllocateString(std::string_view text)
{
    char* stored = document_->allocate_string(nullptr, text.size() + 1);
    std::copy(text.begin(), text.end(), stored);
    stored[text.size()] = '\0';
    return stored;
}

std::string Document::ToString()
{
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    if (auto root = GetRoot())
        WriteElement(out, *root.GetXmlNode(), 0);
    return out;
}

} // namespace zkaux::xml
