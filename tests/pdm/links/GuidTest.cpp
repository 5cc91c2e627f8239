// GUID text, 16-byte values and the PDM model's GUID.

#include "pdm/links/Guid.h"

#include <gtest/gtest.h>

namespace Vireo::Cam::Pdm {
namespace {

TEST(GuidText, ReadsEitherLetterCase)
{
    const GUID lower = ToGuid(L"ae471e72-676d-4739-9418-bc4000adb986");
    const GUID upper = ToGuid(L"AE471E72-676D-4739-9418-BC4000ADB986");
    EXPECT_EQ(lower, upper);
    EXPECT_EQ(lower.Data1, 0xae471e72u);
    EXPECT_EQ(lower.Data2, 0x676du);
    EXPECT_EQ(lower.Data3, 0x4739u);
    const std::uint8_t tail[8] = {0x94, 0x18, 0xbc, 0x40, 0x00, 0xad, 0xb9, 0x86};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lower.Data4[i], tail[i]) << i;
    // the separator positions are not examined
    EXPECT_EQ(ToGuid(L"ae471e72x676dx4739x9418xbc4000adb986"), lower);
    EXPECT_EQ(ToNetGuid(L"AE471E72-676D-4739-9418-BC4000ADB986").ToString(), L"ae471e72-676d-4739-9418-bc4000adb986");
}

TEST(GuidText, NonHexDigitsAreRejected)
{
    for (const wchar_t* bad : {L"ge471e72-676d-4739-9418-bc4000adb986", L"ae471e72-676d-4739-9418-bc4000adb98 ",
                               L"ae471e72-676d-47g9-9418-bc4000adb986", L"ae471e72-676d-4739-94-8-bc4000adb986"}) {
        try {
            ToGuid(bad);
            ADD_FAILURE() << "accepted a non-hex digit";
        } catch (const std::domain_error& e) {
            EXPECT_STREQ(e.what(), "invalid character in GUID");
        }
    }
}

TEST(GuidKeys, GiveTheDefaultTextOfThePdmModel)
{
    constexpr GuidKey key{0x0A0B0C0D, 0x1E2F, 0x3A4B, {0x5C, 0x6D, 0x7E, 0x8F, 0x90, 0xA1, 0xB2, 0xC3}};
    EXPECT_EQ(key.ToNetString(), L"0a0b0c0d-1e2f-3a4b-5c6d-7e8f90a1b2c3");
    EXPECT_EQ(key.ToNetGuid(), ToNetGuid(L"0A0B0C0D-1E2F-3A4B-5C6D-7E8F90A1B2C3"));
    EXPECT_EQ(System::Guid::Parse(key.ToNetString()), key.ToNetGuid());
}

} // namespace
} // namespace Vireo::Cam::Pdm
