#include "FileTurn.h"

#include "CommandErrors.h"

#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Campdm {
namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& path)
{
    return "\"" + path.string() + "\"";
}

// The lock sits on the file's inode. A command that renamed its copy over the file while we
// waited left us holding the lock of a file no longer at `path`: start again on the new one.
bool stillAtPath(int descriptor, const fs::path& path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(descriptor, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

} // namespace

FileTurn::FileTurn(const fs::path& path, std::chrono::milliseconds patience)
{
    using Clock = std::chrono::steady_clock;
    const auto giveUp = Clock::now() + patience;
    for (;;) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0)
            throw InputError("the PDM database " + quoted(path) + " cannot be read: " + std::strerror(errno));
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            if (stillAtPath(descriptor, path)) {
                descriptor_ = descriptor;
                return;
            }
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            const int error = errno;
            ::close(descriptor);
            throw CommandFailed("the PDM database " + quoted(path) + " cannot be locked: " + std::strerror(error));
        }
        ::close(descriptor);
        if (Clock::now() >= giveUp)
            throw CommandFailed("the PDM database " + quoted(path) +
                                " is busy: another command is still changing it; try again when it has finished");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FileTurn::~FileTurn()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

} // namespace Campdm
