#include "platform/ui/RecordingUiDriver.h"
#include "platform/ui/ZKMessageBox.h"

#include <gtest/gtest.h>

namespace {

using Vireo::Ui::RecordingUiDriver;
using Vireo::Ui::ScopedHostUiDriver;

TEST(ZKMessageBox, GoesToTheInnermostInstalledDriverAndFallsBackToStandardError)
{
    RecordingUiDriver outer;
    RecordingUiDriver inner;
    {
        ScopedHostUiDriver installOuter(outer);
        ZKMessageBox::Show(L"first", 0);
        {
            ScopedHostUiDriver installInner(inner);
            ZKMessageBox::Show(L"Fehler\n\nÜberlauf", 0);
        }
        ZKMessageBox::Show(L"third", 48);
    }
    ASSERT_EQ(outer.Messages().size(), 2U);
    EXPECT_EQ(outer.Messages()[0].text, L"first");
    EXPECT_EQ(outer.Messages()[1].text, L"third");
    EXPECT_EQ(outer.Messages()[1].type, 48U);
    ASSERT_EQ(inner.Messages().size(), 1U);
    EXPECT_EQ(inner.Messages()[0].text, L"Fehler\n\nÜberlauf");

    testing::internal::CaptureStderr();
    ZKMessageBox::Show(L"Überlauf", 0);
    ZKMessageBox::Show(std::wstring(1, static_cast<wchar_t>(0xD800)), 0);
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_NE(shown.find("\xC3\x9C" "berlauf\n"), std::string::npos);
    EXPECT_NE(shown.find("cannot be shown"), std::string::npos);
    EXPECT_EQ(outer.Messages().size(), 2U);
}

} // namespace
