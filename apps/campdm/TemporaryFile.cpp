#include "TemporaryFile.h"

#include "CommandErrors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace Campdm {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void failWith(const fs::path& target, int error)
{
    throw CommandFailed("cannot write \"" + target.string() + "\": " + std::strerror(error));
}

} // namespace

TemporaryFile::TemporaryFile(const fs::path& target) : target_(target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".campdm-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0)
        failWith(target, errno);
    // Until it takes a file's place, it has the permissions any new file of the user gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    ::close(descriptor);
    path_ = name.data();
}

TemporaryFile::~TemporaryFile()
{
    if (committed_)
        return;
    std::error_code ignored;
    fs::remove(path_, ignored);
}

void TemporaryFile::Write(std::string_view bytes)
{
    const int descriptor = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (descriptor < 0)
        failWith(target_, errno);
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = errno;
            ::close(descriptor);
            failWith(target_, error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    const bool synced = ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    if (!synced)
        failWith(target_, error);
}

void TemporaryFile::ReplaceTarget()
{
    std::error_code error;
    if (fs::exists(target_))
        fs::permissions(path_, fs::status(target_).permissions(), error);
    fs::rename(path_, target_, error);
    if (error)
        throw CommandFailed("cannot replace \"" + target_.string() + "\": " + error.message());
    committed_ = true;
}

bool TemporaryFile::CreateTarget()
{
    // A hard link fails when the name is taken, so no file made meanwhile is overwritten.
    if (::link(path_.c_str(), target_.c_str()) != 0) {
        if (errno == EEXIST)
            return false;
        failWith(target_, errno);
    }
    return true;
}

} // namespace Campdm
