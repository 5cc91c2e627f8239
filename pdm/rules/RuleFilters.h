#pragma once
// The three filters a builder hands to rule loading: which rule objects (by name), which
// applications with which application types, and which datasets with which PDM classes.

#include "pdm/rules/IntegrationRules.h"
#include "platform/support/Utf16Order.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Vireo::Cam::Pdm {

// Names of the rule objects wanted; empty means any.
using NameFilter = std::vector<std::wstring>;

// An application type with its kind, as the application filter lists them.
using AppTypeKey = std::pair<std::wstring, AppDataType>;

struct AppTypeKeyLess {
    bool operator()(const AppTypeKey& a, const AppTypeKey& b) const noexcept
    {
        const int byName = Support::CompareUtf16(a.first, b.first);
        return byName != 0 ? byName < 0 : a.second < b.second;
    }
};

using AppTypeSet = std::set<AppTypeKey, AppTypeKeyLess>;

// Application code -> the application types wanted, or nothing for all types of that
// application. An empty map means any application.
using AppFilter = std::map<std::wstring, std::optional<AppTypeSet>, Support::Utf16Less>;

// An application filter that many runs share unchanged: copies share one filter, hashed
// once, and two copies of one filter compare equal without looking inside.
class SharedAppFilter {
public:
    explicit SharedAppFilter(AppFilter filter);

    const AppFilter& Filter() const noexcept { return data->filter; }
    std::size_t Hash() const noexcept { return data->hash; }

    friend bool operator==(const SharedAppFilter& a, const SharedAppFilter& b)
    {
        return a.data == b.data || (a.Hash() == b.Hash() && a.Filter() == b.Filter());
    }

private:
    struct Data {
        AppFilter filter;
        std::size_t hash;
    };
    std::shared_ptr<const Data> data;
};

using PlmTypeSet = std::set<std::wstring, Support::Utf16Less>;

// Dataset GUID -> the PDM class GUIDs wanted (empty: any class). An empty map means any dataset.
using PlmFilter = std::map<std::wstring, PlmTypeSet, Support::Utf16Less>;

} // namespace Vireo::Cam::Pdm
