#pragma once
// The application filters of the builders of one child walk. A builder's filter follows
// from one CAM type alone (its parent's, or its own object's when it updates) through the
// catalogue, which no walk changes: each is built once per walk and shared by every
// builder that needs it, instead of once per object.

#include "pdm/rules/RuleFilters.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace Vireo::Cam::Pdm::internal {

class WalkFilters {
public:
    // What the filter is made from.
    enum class Basis { ParentType, OwnType };

    // The filter of `type`, made by `make` the first time it is asked for.
    template <class Make>
    const SharedAppFilter& Get(Basis basis, std::wstring_view type, Make&& make)
    {
        auto& filters = basis == Basis::ParentType ? byParentType : byOwnType;
        auto found = filters.find(type);
        if (found == filters.end())
            found = filters.emplace(std::wstring(type), SharedAppFilter(std::forward<Make>(make)())).first;
        return found->second;
    }

private:
    std::map<std::wstring, SharedAppFilter, std::less<>> byParentType;
    std::map<std::wstring, SharedAppFilter, std::less<>> byOwnType;
};

} // namespace Vireo::Cam::Pdm::internal
