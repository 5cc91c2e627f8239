#pragma once
// The consistency check of a PDM database: the storage's own structure and foreign keys, and the
// rules of the model that the tables alone do not hold: every object has an existing class of
// its reference (or of its table), every link and hierarchy row joins existing objects, every
// table row has its owner, every value belongs to a parameter of its object's groups; no
// object or class among its own ancestors, parents only where a reference has a hierarchy,
// one parent in a tree.

#include <string>
#include <vector>

namespace Vireo::Arbor::Model {

class Database;

// What is wrong with the database, one line each naming the database and the object;
// empty when it is consistent.
std::vector<std::string> CheckDatabase(Database& database);
// Whether the database holds any reference or object (a seeded one does).
bool HoldsPdmData(Database& database);

} // namespace Vireo::Arbor::Model
