#include "platform/xml/Document.h"

#include <gtest/gtest.h>

using zkaux::xml::Document;

TEST(XmlDocument, ReadsElementsAttributesAndEntities)
{
    Document doc;
    ASSERT_TRUE(doc.LoadXml("<?xml version=\"1.0\"?>\n<Root><Objects>"
                            "<A Object=\"x&amp;y\"><ParentHierarchyLink/></A><B>t &lt; u</B></Objects></Root>"));
    auto objects = doc.GetRoot().GetSubNode("Objects");
    ASSERT_TRUE(objects);
    auto children = objects.GetChildren();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].GetAttribute("Object"), "x&y");
    EXPECT_FALSE(children[0].GetAttribute("object"));
    EXPECT_TRUE(children[0].GetSubNode("ParentHierarchyLink"));
    EXPECT_EQ(children[1].GetValue(), "t < u");
    // Callers may read the RapidXML node directly.
    auto* attribute = children[0].GetXmlNode()->first_attribute("Object");
    ASSERT_NE(attribute, nullptr);
    EXPECT_STREQ(attribute->value(), "x&y");
}

TEST(XmlDocument, RejectsMalformedTextWithPlace)
{
    Document doc;
    const struct {
        const char* text;
        std::size_t line;
    } cases[] = {{"<a><b></a>", 1}, {"<a>\n<b x=1/></a>", 2}, {"", 1}, {"just text", 1}};
    for (const auto& c : cases) {
        EXPECT_FALSE(doc.LoadXml(c.text)) << c.text;
        EXPECT_FALSE(doc.GetError().empty()) << c.text;
        EXPECT_EQ(doc.GetErrorLine(), c.line) << c.text;
        EXPECT_FALSE(doc.GetRoot());
    }
    EXPECT_FALSE(doc.LoadFile("/nonexistent/file.xml"));
}

TEST(XmlDocument, WritesIndentedEscapedTextThatReadsBack)
{
    Document doc;
    auto root = doc.SetRoot("Root");
    auto object = root.AddChild("Objects").AddChild("Object");
    object.SetAttribute("name", "a \"quoted\" <name> & 'more'");
    object.SetAttribute("name", "a \"quoted\" <name> & 'more'");
    object.AddChild("Value").SetValue("1 < 2 & 3");
    root.AddChild("Empty");
    const std::string text = doc.ToString();
    EXPECT_EQ(text, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                    "<Root>\n"
                    "  <Objects>\n"
                    "    <Object name=\"a &quot;quoted&quot; &lt;name&gt; &amp; &apos;more&apos;\">\n"
                    "      <Value>1 &lt; 2 &amp; 3</Value>\n"
                    "    </Object>\n"
                    "  </Objects>\n"
                    "  <Empty/>\n"
                    "</Root>\n");
    Document again;
    ASSERT_TRUE(again.LoadXml(text));
    EXPECT_EQ(again.ToString(), text);

    // Text beside elements gets the writer's own layout once, not once more on every pass.
    Document mixed;
    ASSERT_TRUE(mixed.LoadXml("<r a=\"x&amp;y\">><e/></r>"));
    const std::string written = mixed.ToString();
    EXPECT_NE(written.find("  &gt;\n  <e/>\n"), std::string::npos) << written;
    Document mixedAgain;
    ASSERT_TRUE(mixedAgain.LoadXml(written));
    EXPECT_EQ(mixedAgain.ToString(), written);
}

TEST(XmlDocument, ClonesTreesBetweenDocumentsThatOutliveTheSource)
{
    Document target;
    auto objects = target.SetRoot("Root").AddChild("Objects");
    {
        Document source;
        ASSERT_TRUE(source.LoadXml("<Root><Objects><RootObject id=\"7\"><Object v=\"1\">x</Object></RootObject>"
                                   "</Objects></Root>"));
        for (auto child : source.GetRoot().GetSubNode("Objects").GetChildren())
            objects.AppendChild(child.CloneTree(target));
    }
    EXPECT_EQ(objects.GetXml(), "<Objects>\n  <RootObject id=\"7\">\n    <Object v=\"1\">x</Object>\n"
                                "  </RootObject>\n</Objects>\n");
}

TEST(XmlDocument, TellsTheLineOfParsedElementsAndReplacesValues)
{
    Document doc;
    ASSERT_TRUE(doc.LoadXml("<Root>\n  <A>old</A>\n\n  <B\n    x=\"1\"/>\n</Root>"));
    auto a = doc.GetRoot().GetSubNode("A");
    EXPECT_EQ(doc.LineOf(doc.GetRoot()), 1u);
    EXPECT_EQ(doc.LineOf(a), 2u);
    EXPECT_EQ(doc.LineOf(doc.GetRoot().GetSubNode("B")), 4u);
    a.SetValue("new");
    EXPECT_EQ(a.GetValue(), "new");
    EXPECT_EQ(a.GetXml(), "<A>new</A>\n");
    EXPECT_EQ(doc.LineOf(doc.GetRoot().AddChild("C")), 0u);
}
