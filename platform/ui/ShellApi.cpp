#include "platform/ui/ShellApi.h"

#include "platform/ui/HostUiDriver.h"

namespace {

constexpr std::intptr_t fileNotFound = 2;
constexpr std::intptr_t handedOver = 33;

} // namespace

std::intptr_t ShellExecuteW(HWND /*window*/, const wchar_t* /*verb*/, const wchar_t* file,
                            const wchar_t* /*parameters*/, const wchar_t* /*directory*/, int /*showMode*/)
{
    if (file == nullptr || *file == L'\0')
        return fileNotFound;
    Vireo::Ui::CurrentHostUiDriver().OpenLink(file);
    return handedOver;
}
