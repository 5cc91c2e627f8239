#include "LinkCommands.h"

#include "pdm/links/ObjectId.h"
#include "platform/support/Utf8.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

namespace Campdm {
namespace {

using Vireo::Support::Utf8ToWide;
using Vireo::Support::WideToUtf8;

std::optional<std::int32_t> parseId(const char* text)
{
    std::int32_t value = 0;
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, value);
    if (ec != std::errc() || ptr != end || ptr == text)
        return std::nullopt;
    return value;
}

void printDecoded(std::ostream& out, const std::wstring& link, const Vireo::Cam::Pdm::ObjectId& id)
{
    out << WideToUtf8(link) << "\n    reference " << id.first << ", object " << id.second << "\n";
}

} // namespace

int RunDecodeLink(const char* text, std::ostream& out, std::ostream& err)
{
    std::wstring link;
    try {
        link = Utf8ToWide(text);
    } catch (const std::range_error&) {
        err << "campdm: link: the text is not UTF-8\n";
        return 1;
    }
    std::optional<Vireo::Cam::Pdm::ObjectId> id;
    try {
        id = Vireo::Cam::Pdm::GetObjectIdFromUri(link);
    } catch (const std::range_error&) {
        err << "campdm: link: \"" << text << "\" has percent escapes that are not UTF-8\n";
        return 1;
    }
    if (!id) {
        err << "campdm: link: \"" << text
            << "\" is no PDM link (expected arbor://<server>/OpenReferenceWindow/?refId=<n>&objId=<n>)\n";
        return 1;
    }
    printDecoded(out, link, *id);
    return 0;
}

int RunMakeLink(const char* ref, const char* obj, const char* server, std::ostream& out, std::ostream& err)
{
    const auto refId = parseId(ref);
    const auto objId = parseId(obj);
    if (!refId || !objId) {
        err << "campdm: make-link: \"" << (refId ? obj : ref) << "\" is not a 32-bit integer id\n";
        return 1;
    }
    out << WideToUtf8(Vireo::Cam::Pdm::GetUriFromObjectId(*refId, *objId, Utf8ToWide(server))) << "\n";
    return 0;
}

int RunLinkDemo(std::ostream& out)
{
    out << "Links between CAM objects and PDM objects\n\n";
    const std::wstring server = L"pdm.local:5000";
    out << "Writing the links of three PDM objects on " << WideToUtf8(server) << ":\n";
    const Vireo::Cam::Pdm::ObjectId objects[] = {{12, 345}, {12, 346}, {7, -1}};
    for (const auto& [refId, objId] : objects) {
        const std::wstring link = Vireo::Cam::Pdm::GetUriFromObjectId(refId, objId, server);
        const auto id = Vireo::Cam::Pdm::GetObjectIdFromUri(link);
        if (!id || *id != Vireo::Cam::Pdm::ObjectId{refId, objId}) {
            out << "  the link " << WideToUtf8(link) << " does not read back\n";
            return 1;
        }
        out << "  ";
        printDecoded(out, link, *id);
    }
    out << "\nReading texts that are no links:\n";
    for (const wchar_t* text : {L"arbor://srv/OpenReferenceWindow?refId=5&objId=7",
                                L"arbor://srv/OpenReferenceWindow/?refId=5x&objId=7", L"http://srv/"}) {
        out << "  " << WideToUtf8(text) << "\n    "
            << (Vireo::Cam::Pdm::GetObjectIdFromUri(text) ? "read as a link" : "no link") << "\n";
    }
    return 0;
}

} // namespace Campdm
