#pragma once
// The arguments of one sub-command: positional words, options with a value ("--pdm DB") and
// flags ("--force"). Each command declares what it takes; anything else is a usage error.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace Campdm {

struct ArgumentRules {
    std::vector<std::string> required;    // names of the positional words, in order
    std::vector<std::string> optional;    // positional words that may follow them
    std::set<std::string> valueOptions;   // "--pdm", "--reference", ...
    std::set<std::string> flags;          // "--force", "--no-link", ...
};

class Arguments {
public:
    // Throws UsageError naming the argument that does not fit. "--help" is always accepted.
    Arguments(const std::vector<std::string>& words, const ArgumentRules& rules);

    bool WantsHelp() const noexcept { return help_; }
    // The positional word of that name (required ones always exist after parsing).
    const std::string& Word(const std::string& name) const;
    std::optional<std::string> OptionalWord(const std::string& name) const;
    std::optional<std::string> Option(const std::string& name) const;
    // The option's value; throws UsageError naming it when it was not given.
    const std::string& RequiredOption(const std::string& name) const;
    bool Flag(const std::string& name) const { return flags_.contains(name); }

private:
    void takeOption(const std::vector<std::string>& words, std::size_t& at, const ArgumentRules& rules);

    std::map<std::string, std::string> words_;
    std::map<std::string, std::string> options_;
    std::set<std::string> flags_;
    bool help_ = false;
};

} // namespace Campdm
