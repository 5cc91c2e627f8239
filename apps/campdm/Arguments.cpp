#include "Arguments.h"

#include "CommandErrors.h"

namespace Campdm {

Arguments::Arguments(const std::vector<std::string>& words, const ArgumentRules& rules)
{
    std::vector<std::string> positional;
    for (std::size_t at = 0; at < words.size(); ++at) {
        if (words[at] == "--help" || words[at] == "-h")
            help_ = true;
        else if (words[at].size() > 2 && words[at].starts_with("--"))
            takeOption(words, at, rules);
        else
            positional.push_back(words[at]);
    }
    if (help_)
        return;
    if (positional.size() < rules.required.size())
        throw UsageError("missing " + rules.required[positional.size()]);
    if (positional.size() > rules.required.size() + rules.optional.size())
        throw UsageError("unexpected argument \"" + positional[rules.required.size() + rules.optional.size()] + "\"");
    for (std::size_t i = 0; i < positional.size(); ++i) {
        const bool isRequired = i < rules.required.size();
        words_[isRequired ? rules.required[i] : rules.optional[i - rules.required.size()]] = positional[i];
    }
}

void Arguments::takeOption(const std::vector<std::string>& words, std::size_t& at, const ArgumentRules& rules)
{
    const std::string& name = words[at];
    if (rules.flags.contains(name)) {
        flags_.insert(name);
        return;
    }
    if (!rules.valueOptions.contains(name))
        throw UsageError("unknown option " + name);
    if (at + 1 == words.size())
        throw UsageError("option " + name + " needs a value");
    if (options_.contains(name))
        throw UsageError("option " + name + " is given twice");
    options_[name] = words[++at];
}

const std::string& Arguments::Word(const std::string& name) const
{
    return words_.at(name);
}

std::optional<std::string> Arguments::OptionalWord(const std::string& name) const
{
    const auto found = words_.find(name);
    return found == words_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

std::optional<std::string> Arguments::Option(const std::string& name) const
{
    const auto found = options_.find(name);
    return found == options_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

const std::string& Arguments::RequiredOption(const std::string& name) const
{
    const auto found = options_.find(name);
    if (found == options_.end())
        throw UsageError("missing option " + name);
    return found->second;
}

} // namespace Campdm
