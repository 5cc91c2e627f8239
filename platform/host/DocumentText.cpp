#include "platform/host/DocumentText.h"

#include "platform/support/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace Vireo::Host {
namespace {

std::string narrow(std::wstring_view text)
{
    try {
        return Support::WideToUtf8(text);
    } catch (const std::range_error&) {
        return "?";
    }
}

bool isBareChar(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'.' ||
           c == L'_' || c == L'-' || c == L'+' || c == L'/' || c == L':';
}

bool isBare(std::wstring_view text)
{
    if (text.empty())
        return false;
    for (wchar_t c : text)
        if (!isBareChar(c))
            return false;
    return true;
}

void writeArg(std::wstring& out, std::wstring_view arg)
{
    if (isBare(arg)) {
        out += arg;
        return;
    }
    out += L'"';
    for (wchar_t c : arg) {
        switch (c) {
        case L'"': out += L"\\\""; break;
        case L'\\': out += L"\\\\"; break;
        case L'\n': out += L"\\n"; break;
        case L'\t': out += L"\\t"; break;
        case L'\r': out += L"\\r"; break;
        default: out += c;
        }
    }
    out += L'"';
}

void writeNode(std::wstring& out, const TextNode& node, int depth)
{
    out.append(static_cast<std::size_t>(2 * depth), L' ');
    out += node.key;
    for (const std::wstring& arg : node.args) {
        out += L' ';
        writeArg(out, arg);
    }
    if (node.children.empty()) {
        out += L'\n';
        return;
    }
    out += L" {\n";
    for (const TextNode& child : node.children)
        writeNode(out, child, depth + 1);
    out.append(static_cast<std::size_t>(2 * depth), L' ');
    out += L"}\n";
}

[[noreturn]] void failAt(int line, std::string_view what)
{
    throw DocumentFormatError("line " + std::to_string(line) + ": " + std::string(what));
}

// Splits one line into its words; a quoted word may hold blanks and escapes.
std::vector<std::wstring> tokenize(std::wstring_view line, int lineNo, std::vector<bool>& quoted)
{
    std::vector<std::wstring> words;
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && (line[at] == L' ' || line[at] == L'\t'))
            ++at;
        if (at == line.size())
            return words;
        std::wstring word;
        if (line[at] == L'"') {
            ++at;
            for (;; ++at) {
                if (at == line.size())
                    failAt(lineNo, "a quoted text is not closed");
                if (line[at] == L'"')
                    break;
                if (line[at] == L'\\') {
                    if (++at == line.size())
                        failAt(lineNo, "a quoted text is not closed");
                    switch (line[at]) {
                    case L'"': word += L'"'; break;
                    case L'\\': word += L'\\'; break;
                    case L'n': word += L'\n'; break;
                    case L't': word += L'\t'; break;
                    case L'r': word += L'\r'; break;
                    default: failAt(lineNo, "unknown escape \\" + narrow(line.substr(at, 1)));
                    }
                } else {
                    word += line[at];
                }
            }
            ++at;
            quoted.push_back(true);
        } else {
            while (at < line.size() && line[at] != L' ' && line[at] != L'\t')
                word += line[at++];
            quoted.push_back(false);
        }
        words.push_back(std::move(word));
    }
}

} // namespace

TextNode& TextNode::Add(std::wstring childKey, std::vector<std::wstring> childArgs)
{
    children.emplace_back(std::move(childKey), std::move(childArgs));
    return children.back();
}

const TextNode* TextNode::Find(std::wstring_view childKey) const noexcept
{
    for (const TextNode& child : children)
        if (child.key == childKey)
            return &child;
    return nullptr;
}

const TextNode& TextNode::Require(std::wstring_view childKey) const
{
    if (const TextNode* child = Find(childKey))
        return *child;
    Fail("missing line \"" + narrow(childKey) + "\"");
}

const std::wstring& TextNode::Arg(std::size_t i) const
{
    if (i >= args.size())
        Fail("\"" + narrow(key) + "\" needs at least " + std::to_string(i + 1) + " value(s)");
    return args[i];
}

void TextNode::ExpectArgs(std::size_t count) const
{
    if (args.size() != count)
        Fail("\"" + narrow(key) + "\" needs " + std::to_string(count) + " value(s), has " +
             std::to_string(args.size()));
}

double TextNode::ArgNumber(std::size_t i) const
{
    const std::string text = narrow(Arg(i));
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        Fail("\"" + text + "\" is not a number");
    if (!std::isfinite(value))
        Fail("\"" + text + "\" is not a finite number");
    return value;
}

std::int64_t TextNode::ArgInteger(std::size_t i) const
{
    const std::string text = narrow(Arg(i));
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        Fail("\"" + text + "\" is not a whole number");
    return value;
}

bool TextNode::ArgBool(std::size_t i) const
{
    const std::wstring& text = Arg(i);
    if (text == L"true")
        return true;
    if (text == L"false")
        return false;
    Fail("\"" + narrow(text) + "\" is neither true nor false");
}

UniqueIdentifier TextNode::ArgIdentifier(std::size_t i) const
{
    UniqueIdentifier id;
    if (!zktypes::TryParseIdentifier(Arg(i), id))
        Fail("\"" + narrow(Arg(i)) + "\" is not an identifier");
    return id;
}

void TextNode::Fail(std::string_view what) const
{
    if (line > 0)
        failAt(line, what);
    throw DocumentFormatError(std::string(what));
}

std::wstring FormatNumber(double value)
{
    if (std::isnan(value))
        return L"nan";
    if (std::isinf(value))
        return value > 0 ? L"inf" : L"-inf";
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::wstring(buffer, end) : L"0";
}

std::wstring FormatBool(bool value)
{
    return value ? L"true" : L"false";
}

std::string WriteText(const TextNode& root)
{
    std::wstring out;
    for (const TextNode& child : root.children)
        writeNode(out, child, 0);
    return Support::WideToUtf8(out);
}

TextNode ParseText(std::string_view text)
{
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark)
        text.remove_prefix(byteOrderMark.size());
    if (const std::size_t bad = Support::FindInvalidUtf8(text); bad != std::string_view::npos)
        failAt(1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(bad), '\n')),
               "the text is not UTF-8 (byte " + std::to_string(bad + 1) + ")");
    const std::wstring wide = Support::Utf8ToWide(text);
    TextNode root;
    std::vector<TextNode*> open{&root};
    int lineNo = 0;
    std::size_t at = 0;
    while (at <= wide.size()) {
        std::size_t end = wide.find(L'\n', at);
        if (end == std::wstring::npos)
            end = wide.size();
        std::wstring_view line(wide.data() + at, end - at);
        if (!line.empty() && line.back() == L'\r')
            line.remove_suffix(1);
        ++lineNo;
        at = end + 1;
        std::vector<bool> quoted;
        std::vector<std::wstring> words = tokenize(line, lineNo, quoted);
        if (words.empty())
            continue;
        if (words.size() == 1 && words[0] == L"}" && !quoted[0]) {
            if (open.size() == 1)
                failAt(lineNo, "\"}\" closes no block");
            open.pop_back();
            continue;
        }
        if (quoted[0])
            failAt(lineNo, "a line must start with a word, not a quoted text");
        const bool opens = words.size() > 1 && words.back() == L"{" && !quoted.back();
        if (opens)
            words.pop_back();
        TextNode& node = open.back()->Add(std::move(words[0]), {words.begin() + 1, words.end()});
        node.line = lineNo;
        if (opens) {
            if (open.size() > MaxTextDepth)
                failAt(lineNo, "blocks nest deeper than " + std::to_string(MaxTextDepth) + " levels");
            open.push_back(&node);
        }
    }
    if (open.size() > 1)
        failAt(open.back()->line, "the block of \"" + narrow(open.back()->key) + "\" is not closed");
    return root;
}

} // namespace Vireo::Host
