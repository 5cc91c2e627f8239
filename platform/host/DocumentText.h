#pragma once
// The readable text of a host document: a tree of lines "key arg arg ... {" with indented
// children closed by "}". Arguments are bare words or quoted strings with \" \\ \n \t escapes.
// The same tree serves the document file and the snapshots of change brackets.

#include "platform/zktypes/UniqueIdentifier.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace Vireo::Host {

// A malformed document text; the message names the line and what is wrong.
class DocumentFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TextNode {
    std::wstring key;
    std::vector<std::wstring> args;
    std::vector<TextNode> children;
    int line = 0; // 1-based line in the parsed text, 0 for nodes built in memory

    TextNode() = default;
    explicit TextNode(std::wstring nodeKey, std::vector<std::wstring> nodeArgs = {})
        : key(std::move(nodeKey)), args(std::move(nodeArgs))
    {
    }

    TextNode& Add(std::wstring childKey, std::vector<std::wstring> childArgs = {});

    // The first child with this key, or null.
    const TextNode* Find(std::wstring_view childKey) const noexcept;
    // The first child with this key; throws DocumentFormatError when there is none.
    const TextNode& Require(std::wstring_view childKey) const;
    // Argument i; throws DocumentFormatError when the line has fewer arguments.
    const std::wstring& Arg(std::size_t i) const;
    // Throws DocumentFormatError unless the line has exactly `count` arguments.
    void ExpectArgs(std::size_t count) const;

    // Typed reads of argument i, each throwing DocumentFormatError naming the line. Numbers
    // must be finite: "nan" and "inf" are refused where they are read.
    double ArgNumber(std::size_t i) const;
    std::int64_t ArgInteger(std::size_t i) const;
    bool ArgBool(std::size_t i) const;
    UniqueIdentifier ArgIdentifier(std::size_t i) const;

    // An error about this line.
    [[noreturn]] void Fail(std::string_view what) const;

    friend bool operator==(const TextNode& a, const TextNode& b)
    {
        return a.key == b.key && a.args == b.args && a.children == b.children;
    }
};

// Shortest text that reads back as the same double.
std::wstring FormatNumber(double value);
std::wstring FormatBool(bool value);

// How deep blocks may nest in a parsed text. Documents nest a few levels; the bound keeps
// the tree's recursive copies, comparisons and writes within the stack on any input.
inline constexpr std::size_t MaxTextDepth = 64;

// UTF-8 text of the tree, children indented by two blanks per level.
std::string WriteText(const TextNode& root);
// Parses UTF-8 text into a root node whose children are the top-level lines.
TextNode ParseText(std::string_view text);

} // namespace Vireo::Host
