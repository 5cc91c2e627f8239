// The readable text of a document: quoting, nesting and the messages for malformed text.

#include "platform/host/DocumentText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Vireo::Host::DocumentFormatError;
using Vireo::Host::ParseText;
using Vireo::Host::TextNode;
using Vireo::Host::WriteText;

TEST(DocumentText, WritesAndReadsBackQuotedTextAndNesting)
{
    TextNode root;
    TextNode& object = root.Add(L"object", {L"7", L"Tool"});
    object.Add(L"attr", {L"uri", L"arbor://server/Open?a=1&b=\"x\""});
    object.Add(L"name", {L"two\nlines \\ and\ttab", L""});
    object.Add(L"group").Add(L"param", {L"{", L"}", L"\u0441"});
    root.Add(L"next-id", {L"8"});

    const std::string text = WriteText(root);
    EXPECT_NE(text.find("object 7 Tool {\n  attr uri \"arbor://server/Open?a=1&b=\\\"x\\\"\"\n"), std::string::npos)
        << text;
    const TextNode parsed = ParseText(text);
    EXPECT_EQ(parsed, root);
    EXPECT_EQ(WriteText(parsed), text);
    EXPECT_EQ(parsed.children[0].children[2].line, 4);
}

TEST(DocumentText, MalformedTextNamesTheLineAndTheFault)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"a {\n  b\n", "line 1: the block of \"a\" is not closed"},
        {"a\n}\n", "line 2: \"}\" closes no block"},
        {"a \"open\n", "line 1: a quoted text is not closed"},
        {"a \"bad \\q\"\n", "line 1: unknown escape \\q"},
        {"\"quoted\" key\n", "line 1: a line must start with a word"},
        {"a\nb \xff\n", "line 2: the text is not UTF-8"},
    };
    for (const Case& c : cases) {
        try {
            ParseText(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const DocumentFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

TEST(DocumentText, TypedArgumentsRejectWhatTheyCannotRead)
{
    const TextNode root = ParseText("n 1.5 x 12 true 3feae369-f41f-4010-a410-858c6aecc831\n");
    const TextNode& line = root.children[0];
    EXPECT_DOUBLE_EQ(line.ArgNumber(0), 1.5);
    EXPECT_EQ(line.ArgInteger(2), 12);
    EXPECT_TRUE(line.ArgBool(3));
    EXPECT_EQ(line.ArgIdentifier(4).Data1, 0x3feae369u);
    EXPECT_THROW(line.ArgNumber(1), DocumentFormatError);
    const TextNode nonFinite = ParseText("n nan inf -inf 1e999\n");
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_THROW(nonFinite.children[0].ArgNumber(i), DocumentFormatError) << i;
    EXPECT_THROW(line.ArgInteger(0), DocumentFormatError);
    EXPECT_THROW(line.ArgBool(2), DocumentFormatError);
    EXPECT_THROW(line.ArgIdentifier(1), DocumentFormatError);
    EXPECT_THROW(line.Arg(5), DocumentFormatError);
    EXPECT_THROW(line.ExpectArgs(2), DocumentFormatError);
    EXPECT_THROW(root.Require(L"missing"), DocumentFormatError);
    EXPECT_EQ(Vireo::Host::FormatNumber(0.1), L"0.1");
    EXPECT_EQ(Vireo::Host::FormatNumber(-2.0), L"-2");
}

TEST(DocumentText, ABomIsSkippedAndNestingBeyondTheBoundIsRefusedAtItsLine)
{
    EXPECT_EQ(ParseText("\xEF\xBB\xBF" "a 1\n").children.at(0).key, L"a");

    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "a {\n";
    try {
        ParseText(deep);
        ADD_FAILURE() << "accepted";
    } catch (const DocumentFormatError& error) {
        EXPECT_NE(std::string(error.what()).find("line 65: blocks nest deeper than 64 levels"), std::string::npos)
            << error.what();
    }
}

} // namespace
