#include "LinkCommands.h"

#include "Command.h"

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
    const auto [referenceId, objectId] = id;
    out << WideToUtf8(link) << "\n    reference " << referenceId << ", object " << objectId << "\n";
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

std::vector<Command> LinkCommands()
{
    const auto decode = [](const Arguments& args, const CommandContext& context) {
        return RunDecodeLink(args.Word("LINK").c_str(), context.out, context.err);
    };
    const auto make = [](const Arguments& args, const CommandContext& context) {
        return RunMakeLink(args.Word("REF").c_str(), args.Word("OBJ").c_str(), args.Word("SERVER").c_str(),
                           context.out, context.err);
    };
    return {
        {"link", "LINK", "show the PDM reference and object a link names", "", {{"LINK"}, {}, {}, {}}, decode},
        {"make-link", "REF OBJ SERVER", "write the link of object OBJ of reference REF on SERVER", "",
         {{"REF", "OBJ", "SERVER"}, {}, {}, {}}, make},
    };
}

} // namespace Campdm
