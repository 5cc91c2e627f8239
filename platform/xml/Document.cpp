#include "platform/xml/Document.h"

#include "platform/xml/WellFormedness.h"
#include "platform/xml/XmlWriter.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zkaux::xml {
namespace {

constexpr auto npos = std::string_view::npos;

std::size_t lineAt(std::string_view text, std::size_t offset)
{
    return 1 + static_cast<std::size_t>(
                   std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, text.size())), '\n'));
}

// Where `at` points past the first `end` from `at` on, or the end of the text.
std::size_t past(std::string_view text, std::size_t at, std::string_view end)
{
    const std::size_t found = text.find(end, at);
    return found == npos ? text.size() : found + end.size();
}

// Past the '>' of a tag or declaration that starts at `at`, over quoted values (which may
// hold '>') and a declaration's bracketed subset; npos when the text ends first.
std::size_t pastTag(std::string_view text, std::size_t at)
{
    char quote = 0;
    int brackets = 0;
    for (++at; at < text.size(); ++at) {
        const char c = text[at];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            return at + 1;
        }
    }
    return npos;
}

// The offset of the start tag that opens level maxDepth + 1, or npos. The parser descends
// by recursion, so a deeper text must be refused before it runs.
std::size_t findTooDeep(std::string_view text, std::size_t maxDepth)
{
    std::size_t depth = 0;
    for (std::size_t at = text.find('<'); at != npos && at < text.size(); at = text.find('<', at)) {
        const std::string_view rest = text.substr(at);
        if (rest.starts_with("<!--")) {
            at = past(text, at + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            at = past(text, at + 9, "]]>");
        } else if (rest.starts_with("<?")) {
            at = past(text, at + 2, "?>");
        } else if (rest.starts_with("</")) {
            depth -= depth > 0 ? 1 : 0;
            at = past(text, at, ">");
        } else {
            const std::size_t start = at;
            at = pastTag(text, at);
            if (at == npos)
                return npos; // the parser reports the unclosed tag
            const bool opensLevel = !rest.starts_with("<!") && text[at - 2] != '/';
            if (opensLevel && ++depth > maxDepth)
                return start;
        }
    }
    return npos;
}

} // namespace

Document::Document() : document_(std::make_unique<XmlDocument>()) {}

Document::~Document() = default;

void Document::clear()
{
    document_->clear();
    buffer_.clear();
    lineStarts_.clear();
    error_.clear();
    errorOffset_ = 0;
    errorLine_ = 0;
}

bool Document::LoadXml(std::string_view text)
{
    clear();
    buffer_.assign(text.begin(), text.end());
    buffer_.push_back('\0');
    lineStarts_.push_back(0);
    for (std::size_t at = text.find('\n'); at != npos; at = text.find('\n', at + 1))
        lineStarts_.push_back(at + 1);
    if (const std::size_t deep = findTooDeep(text, MaxDepth); deep != npos) {
        failWith("elements nest deeper than " + std::to_string(MaxDepth) + " levels", deep, lineAt(text, deep));
        return false;
    }
    try {
        document_->parse<rapidxml::parse_validate_closing_tags>(buffer_.data());
    } catch (const rapidxml::parse_error& e) {
        const auto* where = e.where<char>();
        const std::size_t offset = where ? static_cast<std::size_t>(where - buffer_.data()) : 0;
        // The parser writes terminators into its buffer, so count lines in the original.
        failWith(e.what(), offset, lineAt(text, offset));
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

void Document::failWith(std::string what, std::size_t offset, std::size_t line)
{
    clear();
    error_ = std::move(what);
    errorOffset_ = offset;
    errorLine_ = line;
}

bool Document::LoadFile(const std::filesystem::path& path)
{
    std::string text;
    return readFile(path, text) && LoadXml(text);
}

bool Document::LoadCheckedXml(std::string_view text)
{
    if (const auto fault = FindXmlFault(text)) {
        failWith(fault->what, 0, fault->line);
        return false;
    }
    return LoadXml(text);
}

bool Document::LoadCheckedFile(const std::filesystem::path& path)
{
    std::string text;
    return readFile(path, text) && LoadCheckedXml(text);
}

bool Document::readFile(const std::filesystem::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        failWith("cannot be read", 0, 0);
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

std::size_t Document::LineOf(const Node& node) const
{
    if (!node || buffer_.empty())
        return 0;
    const char* name = node.GetXmlNode()->name();
    if (name < buffer_.data() || name >= buffer_.data() + buffer_.size())
        return 0;
    const auto offset = static_cast<std::size_t>(name - buffer_.data());
    return static_cast<std::size_t>(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset) - lineStarts_.begin());
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
