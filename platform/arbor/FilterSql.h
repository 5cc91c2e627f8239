#pragma once
// Turns a search filter into an SQL condition on the objects table (alias "o"), with
// "?" placeholders for the values and the ids of groups and parameters in order: the text
// depends on the filter's shape only, so a prepared statement serves every search of that
// shape.

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
