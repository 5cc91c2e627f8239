#pragma once
// The full XML 1.0 well-formedness check for files of our own format (seed files): one
// root, matching tags, unique attributes, known entities, valid character references,
// UTF-8 text, no document type declaration, and a bound on nesting. RapidXML, which reads
// the tree, accepts much of this silently; this check runs first.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zkaux::xml {

struct XmlFault {
    std::size_t line = 0; // 1-based
    std::string what;
};

// How deep elements of our own files may nest.
inline constexpr std::size_t MaxOwnFileDepth = 256;

// The first fault of the text, or none when it is well-formed.
std::optional<XmlFault> FindXmlFault(std::string_view text, std::size_t maxDepth = MaxOwnFileDepth);

} // namespace zkaux::xml
