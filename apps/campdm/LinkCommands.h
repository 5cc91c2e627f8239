#pragma once
// Commands that read and write the link text of PDM objects.

#include <ostream>

namespace Campdm {

// Prints the reference and object ids a link names; a text that is no link is an error.
int RunDecodeLink(const char* text, std::ostream& out, std::ostream& err);

// Prints the link of object <obj> of reference <ref> on <server>.
int RunMakeLink(const char* ref, const char* obj, const char* server, std::ostream& out, std::ostream& err);

} // namespace Campdm
