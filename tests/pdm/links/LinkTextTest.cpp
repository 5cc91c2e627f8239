// Reading and writing the link text that CAM objects carry.

#include "pdm/links/ObjectId.h"
#include "pdm/links/Uri.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace Vireo::Cam::Pdm {
namespace {

using Id = std::optional<ObjectId>;

TEST(LinkText, ReadsWhatLinksSay)
{
    struct Case {
        const wchar_t* text;
        Id expected;
    };
    const Case cases[] = {
        {L"arbor://srv/OpenReferenceWindow/?refId=5&objId=7", ObjectId{5, 7}},
        {L"ARBOR://srv/OpenReferenceWindow/?refId=5&objId=7", ObjectId{5, 7}},
        {L"arbor://srv/OpenReferenceWindow/?objId=7&refId=5", ObjectId{5, 7}},
        {L"arbor://srv/OpenReferenceWindow/?refId=5&refId=6&objId=7", ObjectId{6, 7}},
        {L"arbor://srv/OpenReferenceWindow/?refId=%35&objId=7", ObjectId{5, 7}},
        {L"arbor://srv/OpenReferenceWindow/?refId=5&objId=7#x", ObjectId{5, 7}},
        {L"arbor://srv:8080/OpenReferenceWindow/?refId=1&objId=2", ObjectId{1, 2}},
        {L"arbor://srv:99999/OpenReferenceWindow/?refId=1&objId=2", ObjectId{1, 2}},
        {L"arbor://u:p@srv/OpenReferenceWindow/?refId=+3&objId=-4", ObjectId{3, -4}},
        {L"arbor://srv/OpenReferenceWindow/?refId=%2B3&objId=4", ObjectId{3, 4}},
        {L"arbor://srv/OpenReferenceWindow/?refId=2147483647&objId=-2147483648", ObjectId{INT32_MAX, INT32_MIN}},
        {L"arbor://srv/OpenReferenceWindow?refId=5&objId=7", std::nullopt},
        {L"arbor://srv/openreferencewindow/?refId=5&objId=7", std::nullopt},
        {L"arbor://srv/OpenReferenceWindow/?refId=5x&objId=7", std::nullopt},
        {L"arbor://srv/OpenReferenceWindow/?refId=&objId=7", std::nullopt},
        {L"arbor://srv/OpenReferenceWindow/?refId=5", std::nullopt},
        {L"arbor://srv/OpenReferenceWindow/?RefId=5&objId=7", std::nullopt},
        {L"arbor://srv/OpenReferenceWindow/?refId=5&objId=%zz", std::nullopt},
        {L"arbor://srv/OpenReferenceWindow/?refId=2147483648&objId=1", std::nullopt},
        {L"arbor://srv?refId=1&objId=2", std::nullopt},
        {L"http://srv/OpenReferenceWindow/?refId=1&objId=2", std::nullopt},
        {L"arbor:/OpenReferenceWindow/?refId=1&objId=2", std::nullopt},
        {L"", std::nullopt},
        {L"no link at all", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetObjectIdFromUri(c.text), c.expected) << std::wstring(c.text).size() << " chars";
}

TEST(LinkText, WritesLinksThatReadBack)
{
    EXPECT_EQ(GetUriFromObjectId(12, 345, L"srv"), L"arbor://srv/OpenReferenceWindow/?refId=12&objId=345");
    for (auto [ref, obj] : {ObjectId{12, 345}, ObjectId{-1, -99}, ObjectId{0, 0}, ObjectId{INT32_MIN, INT32_MAX}})
        EXPECT_EQ(GetObjectIdFromUri(GetUriFromObjectId(ref, obj, L"pdm.example:5000")), (ObjectId{ref, obj}));
}

TEST(LinkText, EscapesThatAreNoUtf8AreAConversionError)
{
    try {
        GetObjectIdFromUri(L"arbor://srv/OpenReferenceWindow/?refId=%FF&objId=1");
        FAIL() << "expected a conversion error";
    } catch (const std::range_error& e) {
        EXPECT_STREQ(e.what(), "bad conversion");
    }
}

// Only the scheme, the path and the query of a link are read: the parts before them must be
// split off whatever they hold.
TEST(UriParser, SplitsTheParts)
{
    const Uri full(L"HTTP://user:secret@[::1]:8080/a%20b/c?x=%C3%A9&y#fr%41g");
    EXPECT_EQ(full.scheme, L"http");
    EXPECT_EQ(full.host, L"[::1]");
    EXPECT_EQ(full.path, L"/a b/c");
    EXPECT_EQ(full.query, L"x=\u00e9&y");
    EXPECT_EQ(full.fragment, L"frAg");
    EXPECT_EQ(Uri(L"file:/C:/x").path, L"/C:/x");
    EXPECT_EQ(Uri(L"arbor:/x").scheme, L"");
}

TEST(UriParser, BadEscapeEmptiesTheWholeComponent)
{
    const Uri uri(L"s://h/p%4?a=%zz&b=1#f%");
    EXPECT_EQ(uri.path, L"");
    EXPECT_EQ(uri.query, L"");
    EXPECT_EQ(uri.fragment, L"");
    EXPECT_EQ(PercentDecode(L"a%2"), L"");
    EXPECT_EQ(PercentDecode(L"%e2%82%ac+1"), L"\u20ac+1");
}

TEST(UriParser, QueryPairs)
{
    const Uri uri(L"s://h/?a+b=c+d&flag&&k=1&k=2&%3D=%26");
    const auto [ab, flag, k, eq, missing] = uri.GetQueryParameters(L"a b", L"flag", L"k", L"=", L"none");
    EXPECT_EQ(ab, L"c d");
    EXPECT_EQ(flag, L"");
    EXPECT_EQ(k, L"2");
    // decoding comes before splitting: the escaped "=" and "&" act as separators
    EXPECT_EQ(eq, std::nullopt);
    EXPECT_EQ(missing, std::nullopt);
    const auto pairs = Uri::SplitQuery(L"a+b=c+d");
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].first, L"a b");
    EXPECT_EQ(pairs[0].second, L"c d");
}

} // namespace
} // namespace Vireo::Cam::Pdm
