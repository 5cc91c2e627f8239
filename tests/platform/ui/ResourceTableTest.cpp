#include "platform/ui/ResourceTable.h"
#include "platform/ui/ZKTrAtl.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Vireo::I18n::ResourceTexts;
using Vireo::I18n::Translate;

TEST(ResourceTable, IsOrderedUniqueAndCompleteForItsPrefix)
{
    const auto texts = ResourceTexts();
    ASSERT_FALSE(texts.empty());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(texts[i].key.starts_with(L"VireoCAM:PDM.")) << i;
        EXPECT_FALSE(texts[i].text.empty()) << i;
        if (i > 0) {
            EXPECT_LT(texts[i - 1].key, texts[i].key) << "out of order or repeated at " << i;
        }
    }
}

TEST(ResourceTable, EveryKeyThePlugInShowsHasAnEnglishText)
{
    const std::wstring areas[] = {L"AddFromPdmCommand", L"AddToPdmCommand", L"UpdateFromPdmCommand",
                                  L"UpdateToPdmCommand", L"OpenLinkCommand", L"SynchronizeCommand"};
    std::vector<std::wstring> keys;
    for (const auto& area : areas) {
        keys.push_back(L"VireoCAM:PDM." + area + L".Caption");
        keys.push_back(L"VireoCAM:PDM." + area + L".Description");
    }
    for (const wchar_t* name : {L"ErrorOfGettingReferenceLinkObject", L"ErrorOfGettingReferenceListObject",
                                L"ErrorOfGettingReferenceObjectData", L"ErrorOfSettingTypePlmTag",
                                L"ErrorOfCreatingReferenceLinkObject", L"ErrorOfCreatingReferenceListObject"})
        keys.push_back(std::wstring(L"VireoCAM:PDM.Message.") + name);
    for (const wchar_t* button : {L"Show", L"Update", L"Delete", L"Find", L"Add"}) {
        keys.push_back(std::wstring(L"VireoCAM:PDM.SynchronizeDialog.") + button + L"LinkButton.Text");
        keys.push_back(std::wstring(L"VireoCAM:PDM.SynchronizeDialog.") + button + L"LinkButton.HintText");
    }
    for (const wchar_t* item : {L"Object", L"Node", L"All"})
        keys.push_back(std::wstring(L"VireoCAM:PDM.SynchronizeDialog.Update") + item + L"MenuItem.Text");
    for (const wchar_t* column : {L"Name", L"Value", L"Status", L"Filter", L"Link"})
        keys.push_back(std::wstring(L"VireoCAM:PDM.SynchronizeDialog.List.Column.") + column);
    for (const wchar_t* folder :
         {L"Projects", L"Groups", L"Machinings", L"Tools", L"Stocks", L"Parts", L"Fixtures"})
        keys.push_back(std::wstring(L"VireoCAM:PDM.SynchronizeDialog.List.Folder.") + folder);
    keys.push_back(L"VireoCAM:PDM.SynchronizeDialog.Caption");

    for (const auto& key : keys)
        EXPECT_NE(Translate(key), key) << "no text for the key";
    EXPECT_EQ(keys.size(), ResourceTexts().size());
}

TEST(Translate, ReturnsTheTextOrTheKeyItself)
{
    EXPECT_EQ(Translate(L"VireoCAM:PDM.SynchronizeDialog.List.Column.Name"), L"Name");
    EXPECT_EQ(ZKTrAtl(L"VireoCAM:PDM.OpenLinkCommand.Caption"), L"Open in PDM");
    // Lookups are exact: another letter case or a prefix is another key.
    EXPECT_EQ(Translate(L"vireocam:pdm.SynchronizeDialog.List.Column.Name"),
              L"vireocam:pdm.SynchronizeDialog.List.Column.Name");
    EXPECT_EQ(Translate(L"VireoCAM:PDM.SynchronizeDialog"), L"VireoCAM:PDM.SynchronizeDialog");
    EXPECT_EQ(Translate(L""), L"");
}

} // namespace
