#include "platform/ui/I18n.h"

#include "platform/ui/ResourceTable.h"

namespace Vireo::I18n {

std::wstring Translate(std::wstring_view key)
{
    return std::wstring(FindResourceText(key).value_or(key));
}

} // namespace Vireo::I18n
