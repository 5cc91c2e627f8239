#include "pdm/links/Guid.h"

namespace Vireo::Cam::Pdm {
namespace {

System::Guid makeNetGuid(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3, const std::uint8_t (&d4)[8])
{
    System::Guid::Tail tail{};
    for (std::size_t i = 0; i < tail.size(); ++i)
        tail[i] = d4[i];
    return System::Guid(d1, d2, d3, tail);
}

} // namespace

GUID ToGuid(std::wstring_view text)
{
    GUID guid{};
    guid.Data1 = parse_hex<std::uint32_t>(text.data());
    guid.Data2 = parse_hex<std::uint16_t>(text.data() + 9);
    guid.Data3 = parse_hex<std::uint16_t>(text.data() + 14);
    static constexpr std::size_t tailAt[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (std::size_t i = 0; i < 8; ++i)
        guid.Data4[i] = parse_hex<std::uint8_t>(text.data() + tailAt[i]);
    return guid;
}

System::Guid ToNetGuid(const GUID& guid)
{
    return makeNetGuid(guid.Data1, guid.Data2, guid.Data3, guid.Data4);
}

System::Guid ToNetGuid(std::wstring_view text)
{
    return ToNetGuid(ToGuid(text));
}

System::Guid GuidKey::ToNetGuid() const
{
    return makeNetGuid(Data1, Data2, Data3, Data4);
}

std::wstring GuidKey::ToNetString() const
{
    return ToNetGuid().ToString();
}

} // namespace Vireo::Cam::Pdm
