// Text order, UTF-8 conversion and the PDM GUID value.

#include "platform/arbor/SystemGuid.h"
#include "platform/support/Utf16Order.h"
#include "platform/support/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

using Vireo::Support::CompareUtf16;

TEST(Utf16Order, SupplementaryCharactersSortBeforeTheTopOfTheBasicPlane)
{
    const std::wstring high = L"\U0001F600"; // surrogate pair D83D DE00
    const std::wstring privateUse = L"\uE000";
    EXPECT_LT(CompareUtf16(high, privateUse), 0);
    EXPECT_GT(CompareUtf16(privateUse, high), 0);
    EXPECT_LT(CompareUtf16(L"\u00e9", high), 0);
    EXPECT_LT(CompareUtf16(L"ab", L"abc"), 0);
    EXPECT_EQ(CompareUtf16(L"abc", L"abc"), 0);
    EXPECT_LT(CompareUtf16(L"\U0001F600", L"\U0001F601"), 0);

    std::vector<std::wstring> texts{L"\uFFFD", L"\U00010000", L"z", L"A"};
    std::sort(texts.begin(), texts.end(), Vireo::Support::Utf16Less{});
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"A", L"z", L"\U00010000", L"\uFFFD"}));
}

TEST(Utf8, RoundTripsAndRejectsWhatIsNoUtf8)
{
    const std::wstring text = L"a\u00e9\u20ac\U0001F600";
    EXPECT_EQ(Vireo::Support::Utf8ToWide(Vireo::Support::WideToUtf8(text)), text);
    for (const std::string bad : {"\xff", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82"}) {
        try {
            Vireo::Support::Utf8ToWide(bad);
            ADD_FAILURE() << "accepted " << bad.size() << " bad bytes";
        } catch (const std::range_error& e) {
            EXPECT_STREQ(e.what(), "bad conversion");
        }
    }
}

TEST(SystemGuid, TextFormsAndNewValues)
{
    const auto guid = System::Guid::Parse(L"{AE471E72-676D-4739-9418-BC4000ADB986}");
    EXPECT_EQ(guid.ToString(), L"ae471e72-676d-4739-9418-bc4000adb986");
    EXPECT_EQ(guid.ToUtf8(), "ae471e72-676d-4739-9418-bc4000adb986");
    EXPECT_EQ(System::Guid::Parse(guid.ToString()), guid);
    EXPECT_FALSE(System::Guid::TryParse(L"ae471e72-676d-4739-9418-bc4000adb98"));
    EXPECT_FALSE(System::Guid::TryParse(L"ae471e72+676d-4739-9418-bc4000adb986"));
    EXPECT_THROW(System::Guid::Parse(L"xyz"), std::invalid_argument);
    // Storage hands GUIDs out as UTF-8: the same forms are read from it, and no other
    // character passes for a digit.
    EXPECT_EQ(System::Guid::TryParse("{AE471E72-676D-4739-9418-BC4000ADB986}"), guid);
    EXPECT_EQ(System::Guid::TryParse("ae471e72-676d-4739-9418-bc4000adb986"), guid);
    for (const char* bad : {"", "ae471e72-676d-4739-9418-bc4000adb98", "ae471e72+676d-4739-9418-bc4000adb986",
                            "ge471e72-676d-4739-9418-bc4000adb986", "(ae471e72-676d-4739-9418-bc4000adb986)"})
        EXPECT_FALSE(System::Guid::TryParse(bad)) << bad;
    EXPECT_FALSE(System::Guid::TryParse(L"ae471e72-676d-4739-9418-bc4000adb98\u0666"));
    EXPECT_FALSE(System::Guid::TryParse(L"ae471e72-676d-4739-9418-bc4000adb98\uff16"));
    EXPECT_TRUE(System::Guid().IsEmpty());

    const auto a = System::Guid::NewGuid();
    const auto b = System::Guid::NewGuid();
    EXPECT_NE(a, b);
    EXPECT_EQ(a.ToString()[14], L'4');
    EXPECT_NE(std::hash<System::Guid>{}(a), std::hash<System::Guid>{}(b));
    // The random source is kept between calls: it must not hand out the same draw twice.
    std::set<System::Guid> drawn;
    for (int i = 0; i < 1000; ++i)
        drawn.insert(System::Guid::NewGuid());
    EXPECT_EQ(drawn.size(), 1000u);
}

} // namespace
