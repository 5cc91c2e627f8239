#pragma once
// Commands that change one database file take turns. Each works on a copy and renames it over
// the file when it succeeds; two at once would each start from the same file and the second
// rename would throw the first command's work away. A turn is an exclusive lock on the file
// held from before the copy is taken until after the rename.

#include <chrono>
#include <filesystem>

namespace Campdm {

class FileTurn {
public:
    // Waits for the turn on `path` for at most `patience`; CommandFailed naming the file when
    // another command still holds it then.
    FileTurn(const std::filesystem::path& path, std::chrono::milliseconds patience);
    ~FileTurn();
    FileTurn(const FileTurn&) = delete;
    FileTurn& operator=(const FileTurn&) = delete;

private:
    int descriptor_ = -1;
};

} // namespace Campdm
