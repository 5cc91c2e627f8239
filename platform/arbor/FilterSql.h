#pragma once
// Turns a search filter into an SQL condition on the objects table (alias "o"), with
// "?" placeholders for the values in order.

#include "platform/arbor/SearchFilter.h"

#include <string>
#include <vector>

namespace Vireo::Arbor::Model {

struct SqlCondition {
    std::string text;
    std::vector<ObjectValue> values;
};

SqlCondition ToSqlCondition(const Search::Filter& filter);

} // namespace Vireo::Arbor::Model
