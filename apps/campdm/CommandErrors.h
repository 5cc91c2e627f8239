#pragma once
// What a command can go wrong with, by the exit code the user gets: wrong usage and input
// that cannot be read give 2, a command that ran and failed gives 1.

#include <stdexcept>
#include <string>

namespace Campdm {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitBadInput = 2;

// Wrong arguments: the message says which, and the user is pointed to --help.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that is missing, unreadable or not what it should be; the message names it.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The command ran and could not do its job; nothing was saved.
class CommandFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace Campdm
