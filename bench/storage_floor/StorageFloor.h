#pragma once
// What the storage engine alone needs for the rows of a transfer: the rows an export wrote,
// inserted again with prepared statements in one transaction; the rows an import reads,
// read the same way. The benchmarks time these in the same run as the transfer and report
// the transfer as a multiple of them.

#include <string>
#include <vector>

namespace Vireo::Bench {

// One column of a row as SQLite gave it.
struct Cell {
    int type = 5; // an SQLite fundamental type; 5 is NULL
    long long integer = 0;
    double real = 0;
    std::string text;
};
using Row = std::vector<Cell>;

struct StoredObjectRows {
    std::vector<Row> objects; // every column of the row
    std::vector<Row> values;
    std::vector<Row> hierarchy;
    std::vector<Row> links;
    std::size_t Count() const { return objects.size() + values.size() + hierarchy.size() + links.size(); }
};

// The rows of the objects of reference `referenceId` in the database file at `path`, with
// their values, hierarchy rows and links.
StoredObjectRows ReadObjectRows(const std::string& path, long long referenceId);

// Seconds to insert `rows` into the database file at `path` (which holds the schema and none
// of these objects) in one transaction with one prepared statement per table.
double TimeRawInserts(const std::string& path, const StoredObjectRows& rows);

// Seconds to read, in one transaction, the object `rootGuid` and everything below it in the
// hierarchy: each object's row, its values and its children, breadth-first. `objects` is set
// to the number of objects read.
double TimeRawReads(const std::string& path, const std::string& rootGuid, std::size_t& objects);

} // namespace Vireo::Bench
