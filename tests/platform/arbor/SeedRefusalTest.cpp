// Seed files are ours: anything that is not well-formed XML in our format is refused with
// the file, the line and what is wrong, and whichever file brings an object, it passes the
// same checks. Valid but unusual XML reads right.

#include "ModelFixture.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/ModelException.h"

#include <string>

namespace Vireo::Arbor::Model::Testing {
namespace {

// A tree reference with a double parameter, a class and a one-to-one table, line by line.
const std::string head = "<Pdm>\n"
                         "<Reference guid=\"11111111-1111-1111-1111-111111111111\" name=\"R\" hierarchy=\"tree\">\n"
                         "<Parameter guid=\"22222222-2222-2222-2222-222222222222\" name=\"P\" type=\"double\"/>\n"
                         "<Table guid=\"44444444-4444-4444-4444-444444444444\" name=\"T\" many=\"false\">"
                         "<Class guid=\"45444444-4444-4444-4444-444444444444\" name=\"Row\"/></Table>\n"
                         "<Class guid=\"33333333-3333-3333-3333-333333333333\" name=\"C\"/>\n";
const std::string tail = "</Reference></Pdm>";

std::string object(const char* guid, const std::string& attributes = "", const std::string& body = "")
{
    return std::string("<Object guid=\"") + guid + "\" class=\"33333333-3333-3333-3333-333333333333\"" + attributes +
           ">" + body + "</Object>\n";
}

std::string refusalOf(ServerConnection& connection, const std::string& text)
{
    try {
        SeedFromText(connection, text, "shop.xml");
    } catch (const ModelException& error) {
        return error.what();
    }
    return "<accepted>";
}

constexpr const char* a = "aaaaaaaa-0000-4000-8000-000000000001";
constexpr const char* b = "aaaaaaaa-0000-4000-8000-000000000002";

TEST(SeedRefusal, MalformedXmlCyclesAndNonFiniteNumbersAreRefusedWithFileAndLine)
{
    const std::string value = "<Value param=\"22222222-2222-2222-2222-222222222222\">";
    const std::string row = "<Row table=\"44444444-4444-4444-4444-444444444444\" "
                            "class=\"45444444-4444-4444-4444-444444444444\"/>";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {head + "<Object>\n</Reference></Pdm>", "shop.xml: line 7: "},
        {head + tail + "\n<Pdm/>", "shop.xml: line 7: Extra content"},
        {head + object(a, " x=\"1\" x=\"2\"") + tail, "shop.xml: line 6: Attribute x redefined"},
        {head + object(a, "", value + "&bogus;</Value>") + tail, "shop.xml: line 6: Entity 'bogus' not defined"},
        {head + object(a, "", value + "&#0;</Value>") + tail, "shop.xml: line 6: "},
        {head + object(a, "", value + "1<b>2</b></Value>") + tail, "shop.xml: line 6: <b>: a value holds text only"},
        {head + object(a, "", value + "nan</Value>") + tail, "shop.xml: line 6: <Value>: \"nan\" is not a finite"},
        {head + object(a, "", value + "-inf</Value>") + tail, "<Value>: \"-inf\" is not a finite number"},
        {head + object(a, "", value + "\xC3(</Value>") + tail, "shop.xml: line 6: the text is not UTF-8"},
        {head + object(a, std::string(" parents=\"") + a + "\"") + tail,
         "shop.xml: line 6: <Object>: the object is among its own ancestors"},
        {head + object(a, std::string(" parents=\"") + b + "\"") + object(b, std::string(" parents=\"") + a + "\"") +
             tail,
         "is among its own ancestors"},
        {head + object(a, "", row + row) + tail, "shop.xml: line 6: <Row>: a one-to-one table holds one row"},
    };
    for (const auto& c : cases) {
        auto connection = ServerConnection::Open(":memory:");
        const std::string refusal = refusalOf(*connection, c.text);
        EXPECT_NE(refusal.find(c.message), std::string::npos) << refusal;
        EXPECT_EQ(connection->ReferenceCatalog()->GetReferences().size(), 0u) << refusal;
    }

    auto connection = ServerConnection::Open(":memory:");
    std::string deep = "<Pdm>";
    for (int i = 0; i < 100000; ++i)
        deep += "<Units>\n";
    EXPECT_NE(refusalOf(*connection, deep).find("nest deeper than"), std::string::npos) << "no stack overflow";

    const std::string missing = "/nonexistent/shop.xml";
    try {
        SeedFromFile(*connection, missing);
        ADD_FAILURE();
    } catch (const ModelException& error) {
        EXPECT_EQ(std::string(error.what()), missing + ": cannot be read");
    }
}

TEST(SeedRefusal, ObjectsOfALaterFilePassTheSameHierarchyChecks)
{
    auto connection = ServerConnection::Open(":memory:");
    SeedFromText(*connection, head + object(a) + object(b) + tail, "first.xml");
    const std::string later = "<Pdm>\n<Reference guid=\"11111111-1111-1111-1111-111111111111\">\n";
    EXPECT_NE(refusalOf(*connection, later + object("aaaaaaaa-0000-4000-8000-000000000003",
                                                    std::string(" parents=\"") + a + " " + b + "\"") + tail)
                  .find("line 3: <Object>: in a tree hierarchy an object has one parent"),
              std::string::npos);
    connection->GetDatabase().Execute("UPDATE groups SET hierarchy = 0 WHERE kind = 0");
    EXPECT_NE(refusalOf(*connection, later + object("aaaaaaaa-0000-4000-8000-000000000003",
                                                    std::string(" parents=\"") + a + "\"") + tail)
                  .find("the reference has no hierarchy"),
              std::string::npos);
}

TEST(SeedRefusal, CdataCommentsAndAByteOrderMarkReadAsXmlSays)
{
    auto connection = ServerConnection::Open(":memory:");
    SeedFromText(*connection,
                 "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n" + head +
                     object(a, "", "<Value param=\"22222222-2222-2222-2222-222222222222\">1<!-- one -->2"
                                   "<![CDATA[.5]]></Value>") +
                     tail,
                 "unusual.xml");
    auto found = connection->ReferenceCatalog()->Find(L"R")->CreateReference()->Find(G(L"aaaaaaaa-0000-4000-8000-000000000001"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->GetObjectValue(L"22222222-2222-2222-2222-222222222222", true)->ToString(), L"12.5");
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing
