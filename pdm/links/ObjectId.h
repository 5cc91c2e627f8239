#pragma once
// The link text of a PDM object:
//   "arbor://" address "/OpenReferenceWindow/?refId=" refId "&objId=" objId

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace Vireo::Cam::Pdm {

// (refId, objId): the reference (catalogue) and the object within it. The builders take
// them the other way round, so unpack with named bindings rather than by position.
using ObjectId = std::pair<std::int32_t, std::int32_t>;

std::wstring GetUriFromObjectId(std::int32_t refId, std::int32_t objId, std::wstring_view address);

// The identifiers a link names, or empty when the text is no link. Percent escapes that
// are not valid UTF-8 raise std::range_error("bad conversion").
std::optional<ObjectId> GetObjectIdFromUri(std::wstring_view url);

} // namespace Vireo::Cam::Pdm
