#include "pdm/cam/internal/ZkuidLiteral.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace Vireo::Cam::Pdm {
namespace {

using namespace Vireo::Cam::Pdm::internal;

std::string errorOf(const char* text)
{
    try {
        operator""_zkuid(text, std::char_traits<char>::length(text));
    } catch (const std::invalid_argument& error) {
        return error.what();
    }
    return "accepted";
}

TEST(ZkuidLiteralTest, ReadsEitherCaseWithOrWithoutBraces)
{
    const UniqueIdentifier plain = "ae471e72-676d-4739-9418-bc4000adb986"_zkuid;
    EXPECT_EQ("{AE471E72-676D-4739-9418-BC4000ADB986}"_zkuid, plain);
    EXPECT_EQ(plain.Data1, 0xae471e72u);
    EXPECT_EQ(plain.Data2, 0x676d);
    EXPECT_EQ(plain.Data3, 0x4739);
    EXPECT_EQ(plain.Data4[0], 0x94);
    EXPECT_EQ(plain.Data4[7], 0x86);
    EXPECT_TRUE("00000000-0000-0000-0000-000000000000"_zkuid.IsEmpty());
}

TEST(ZkuidLiteralTest, NamesWhatIsWrong)
{
    const std::string form = "a string of the form XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX or "
                             "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} is expected";
    EXPECT_EQ(errorOf("ae471e72-676d-4739-9418-bc4000adb98"), form);
    EXPECT_EQ(errorOf("ae471e72-676d-4739-9418-bc4000adb9861"), form);
    EXPECT_EQ(errorOf("ae471e72+676d-4739-9418-bc4000adb986"), form);
    EXPECT_EQ(errorOf("ae471e72-676d-4739-9418-bc4000adb986}}"), "missing opening and/or closing brace");
    EXPECT_EQ(errorOf("(ae471e72-676d-4739-9418-bc4000adb986)"), "missing opening and/or closing brace");
    EXPECT_EQ(errorOf("ae471e72-676d-4739-9418-bc4000adb98g"), "non-hex-digit character");
    EXPECT_EQ(errorOf("{ae471e72-676d-4739-9418-bc4000adb98g}"), "non-hex-digit character");
}

} // namespace
} // namespace Vireo::Cam::Pdm
