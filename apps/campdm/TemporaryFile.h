#pragma once
// A file made beside another one and put in its place in one step. Until it is committed
// it is removed when it goes out of scope, so an interrupted write leaves no debris.

#include <filesystem>
#include <string_view>

namespace Campdm {

class TemporaryFile {
public:
    // Makes an empty file in the folder of `target` (CommandFailed when it cannot).
    explicit TemporaryFile(const std::filesystem::path& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::filesystem::path& Path() const noexcept { return path_; }
    // Writes the bytes and flushes them to the disk.
    void Write(std::string_view bytes);
    // Renames the file over the target.
    void ReplaceTarget();
    // Gives the file the target's name only when no file has it; false when one has.
    bool CreateTarget();

private:
    std::filesystem::path target_;
    std::filesystem::path path_;
    bool committed_ = false;
};

} // namespace Campdm
