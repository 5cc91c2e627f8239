#include "pdm/rules/BuilderMessage.h"

#include "platform/support/Utf8.h"
#include "platform/ui/ZKMessageBox.h"
#include "platform/ui/ZKTrAtl.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace Vireo::Cam::Pdm {
namespace {

std::wstring errorText(const std::exception& error)
{
    try {
        return Support::Utf8ToWide(error.what());
    } catch (const std::range_error&) {
        std::wstring text;
        for (const char byte : std::string_view(error.what()))
            text.push_back(static_cast<unsigned char>(byte) < 0x80 ? static_cast<wchar_t>(byte) : L'?');
        return text;
    }
}

} // namespace

void ShowBuilderMessage(std::wstring_view key)
{
    ZKMessageBox::Show(ZKTrAtl(key), 0);
}

void ShowBuilderMessage(std::wstring_view key, const std::exception& error)
{
    ShowBuilderMessage(key, errorText(error));
}

void ShowBuilderMessage(std::wstring_view key, std::wstring_view detail)
{
    ZKMessageBox::Show(ZKTrAtl(key) + L"\n\n" + std::wstring(detail), 0);
}

} // namespace Vireo::Cam::Pdm
