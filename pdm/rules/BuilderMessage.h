#pragma once
// How a builder tells the user that a PDM operation failed: the translated text of a
// message key, and when an error was caught, two line breaks and the error's own text.

#include <exception>
#include <string_view>

namespace Vireo::Cam::Pdm {

namespace BuilderMessageKey {
inline constexpr wchar_t GettingReferenceLinkObject[] = L"VireoCAM:PDM.Message.ErrorOfGettingReferenceLinkObject";
inline constexpr wchar_t GettingReferenceListObject[] = L"VireoCAM:PDM.Message.ErrorOfGettingReferenceListObject";
inline constexpr wchar_t GettingReferenceObjectData[] = L"VireoCAM:PDM.Message.ErrorOfGettingReferenceObjectData";
inline constexpr wchar_t SettingTypePlmTag[] = L"VireoCAM:PDM.Message.ErrorOfSettingTypePlmTag";
inline constexpr wchar_t CreatingReferenceLinkObject[] = L"VireoCAM:PDM.Message.ErrorOfCreatingReferenceLinkObject";
inline constexpr wchar_t CreatingReferenceListObject[] = L"VireoCAM:PDM.Message.ErrorOfCreatingReferenceListObject";
} // namespace BuilderMessageKey

void ShowBuilderMessage(std::wstring_view key);
void ShowBuilderMessage(std::wstring_view key, const std::exception& error);
// The translated key, two line feeds and a text of the builder's own.
void ShowBuilderMessage(std::wstring_view key, std::wstring_view detail);

} // namespace Vireo::Cam::Pdm
