#pragma once
// The consistency check of a PDM database: SQLite's own structure and foreign keys, and the
// rules of the model that the tables alone do not hold (no object or class among its own
// ancestors, parents only where a reference has a hierarchy, one parent in a tree).

#include <string>
#include <vector>

namespace Vireo::Arbor::Model {

class Database;

// What is wrong with the database, one line each naming the database and the object;
// empty when it is consistent.
std::vector<std::string> CheckDatabase(Database& database);

} // namespace Vireo::Arbor::Model
