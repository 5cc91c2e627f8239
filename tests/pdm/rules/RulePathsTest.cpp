#include "pdm/rules/internal/RulePaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Vireo::Cam::Pdm::internal::getGroupsAndParam;
using Vireo::Cam::Pdm::internal::getType;

const std::wstring guid = L"1afb6833-5600-4f70-bf84-c629d781f45b";
const std::wstring braced = L"{" + guid + L"}";

TEST(GetType, TakesTheLastItemWithoutBracesAndDropsTheNilGuid)
{
    const struct {
        std::wstring text;
        std::wstring type;
    } cases[] = {
        {L"", L""},
        {L"Tools^" + braced, guid},
        {L"Tools^Drills^" + guid, guid},
        {braced, guid},
        {L"Tools^" + braced + L"^", guid},          // a trailing separator adds no item
        {L"^" + braced, guid},
        {L"{00000000-0000-0000-0000-000000000000}", L""},
        {L"Tools^00000000-0000-0000-0000-000000000000", L""},
        {L"Tools^{short}", L"{short}"},            // braces only go from 38-character items
        {L"Tools^^", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(getType(c.text, L"^"), c.type) << "text: " << std::string(c.text.begin(), c.text.end());
}

TEST(GetGroupsAndParam, SplitsAtDotsAndArrowsAndDropsTheHeadOfLongPaths)
{
    using Groups = std::vector<std::wstring>;
    const struct {
        std::wstring text;
        Groups groups;
        std::wstring parameter;
    } cases[] = {
        {L"", {}, L""},
        {L"P", {}, L"P"},
        {L"G.P", {L"G"}, L"P"},
        {L"A.B.C.P", {L"B", L"C"}, L"P"},
        {L"A->B->P", {L"B"}, L"P"},
        {L"A.B->P", {L"B"}, L"P"},
        {L"Tool-holder.P", {L"Tool-holder"}, L"P"},   // "-" alone is an ordinary character
        {L"G.P-", {L"G"}, L"P-"},
        {L"G.P.", {L"G"}, L"P"},                      // a final separator ends the last item
        {L"A..P", {L""}, L"P"},                       // empty item between separators is kept
        {braced + L"." + braced + L"." + braced, {guid}, guid},
        {L"{x}.{y}", {L"{x}"}, L"{y}"},
    };
    for (const auto& c : cases) {
        const auto [groups, parameter] = getGroupsAndParam(c.text);
        EXPECT_EQ(groups, c.groups) << "path: " << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(parameter, c.parameter) << "path: " << std::string(c.text.begin(), c.text.end());
    }
}

} // namespace
