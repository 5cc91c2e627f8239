#pragma once
// The last part of the demo: the commands of campdm on files in a temporary folder.

#include <ostream>

namespace Campdm {

// Runs a short session of campdm commands, each shown as it would be typed; non-zero when a
// command does not answer as it should.
int RunFilesDemo(std::ostream& out, std::ostream& err);

} // namespace Campdm
