// What the host's RapidXML reader refuses on its own, and what the full check adds for our
// own files: each fault with its line.

#include "platform/xml/Document.h"
#include "platform/xml/WellFormedness.h"

#include <gtest/gtest.h>

#include <string>

using zkaux::xml::Document;
using zkaux::xml::FindXmlFault;

namespace {

std::string nested(std::size_t levels)
{
    std::string text;
    for (std::size_t i = 0; i < levels; ++i)
        text += "<a x=\"1>2\">\n";
    for (std::size_t i = 0; i < levels; ++i)
        text += "</a>";
    return text;
}

TEST(XmlReading, TheHostReaderRefusesMismatchedTagsAndDeepNestingWithTheirLine)
{
    Document doc;
    EXPECT_FALSE(doc.LoadXml("<Root>\n<A></B>\n</Root>"));
    EXPECT_EQ(doc.GetErrorLine(), 2u) << doc.GetError();

    EXPECT_TRUE(doc.LoadXml(nested(Document::MaxDepth)));
    EXPECT_FALSE(doc.LoadXml(nested(100000))) << "a deep text must not overflow the stack";
    EXPECT_EQ(doc.GetErrorLine(), Document::MaxDepth + 1) << doc.GetError();
    EXPECT_NE(doc.GetError().find("nest deeper"), std::string::npos);
    // Markup inside comments, CDATA and attribute values opens no level.
    EXPECT_TRUE(doc.LoadXml("<r><!-- <a><a><a> --><![CDATA[<a><a>]]><b v='<a>'/></r>"));
}

TEST(XmlReading, OurOwnFilesMustBeWellFormedInEveryPoint)
{
    struct Case {
        const char* text;
        std::size_t line;
        const char* what;
    };
    const Case cases[] = {
        {"<Pdm>\n<A></B>\n</Pdm>", 2, "mismatch"},
        {"<Pdm/>\ntext after", 2, "Extra content"},
        {"<Pdm/>\n<Pdm/>", 2, "Extra content"},
        {"<Pdm>\n<A x=\"1\" x=\"2\"/></Pdm>", 2, "redefined"},
        {"<Pdm>\n<A>&nbsp;</A></Pdm>", 2, "nbsp"},
        {"<Pdm>\n\n<A>&#0;</A></Pdm>", 3, "xmlChar value 0"},
        {"<Pdm>\n<A>\xC3\x28</A></Pdm>", 2, "not UTF-8"},
        {"<!DOCTYPE Pdm [<!ENTITY e \"x\">]>\n<Pdm>&e;</Pdm>", 1, "document type"},
        {"<Pdm>\n<A>", 2, "ends before <A> of line 2 is closed"},
        {"", 1, "empty"},
    };
    for (const Case& c : cases) {
        const auto fault = FindXmlFault(c.text);
        ASSERT_TRUE(fault) << "accepted: " << c.text;
        EXPECT_EQ(fault->line, c.line) << c.text << ": " << fault->what;
        EXPECT_NE(fault->what.find(c.what), std::string::npos) << c.text << ": " << fault->what;
    }
    const auto deep = FindXmlFault(nested(100000));
    ASSERT_TRUE(deep);
    EXPECT_EQ(deep->line, zkaux::xml::MaxOwnFileDepth + 1) << deep->what;

    Document doc;
    EXPECT_FALSE(doc.LoadCheckedXml("<Pdm/>\n<Pdm/>"));
    EXPECT_EQ(doc.GetErrorLine(), 2u);
}

TEST(XmlReading, CdataCommentsAndAByteOrderMarkReadAsXmlSays)
{
    Document doc;
    ASSERT_TRUE(doc.LoadCheckedXml("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                   "<Pdm><V>a<!-- note -->b<![CDATA[<c> & d]]>e</V><W><![CDATA[]]></W></Pdm>"));
    EXPECT_EQ(doc.GetRoot().GetName(), "Pdm");
    EXPECT_EQ(doc.GetRoot().GetSubNode("V").GetValue(), "ab<c> & de");
    EXPECT_EQ(doc.GetRoot().GetSubNode("W").GetValue(), "");
    EXPECT_FALSE(FindXmlFault(std::string("<Pdm><V>") + std::string(20 << 20, 'x') + "</V></Pdm>"))
        << "values of many megabytes are ours to read";
}

} // namespace
