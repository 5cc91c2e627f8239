#include "platform/arbor/DatabaseCheck.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/support/Utf8.h"

namespace Vireo::Arbor::Model {
namespace {

// Every object that can reach itself by going up its parents. UNION (not UNION ALL) keeps
// each (start, ancestor) pair once, so the walk ends on cyclic data too.
constexpr const char* objectCyclesSql = R"sql(
WITH RECURSIVE up(start, ancestor) AS (
  SELECT child_id, parent_id FROM hierarchy
  UNION
  SELECT up.start, h.parent_id FROM up JOIN hierarchy h ON h.child_id = up.ancestor)
SELECT o.guid FROM up JOIN objects o ON o.id = up.start WHERE up.start = up.ancestor ORDER BY o.id)sql";

constexpr const char* classCyclesSql = R"sql(
WITH RECURSIVE up(start, ancestor) AS (
  SELECT id, parent_id FROM classes WHERE parent_id IS NOT NULL
  UNION
  SELECT up.start, c.parent_id FROM up JOIN classes c ON c.id = up.ancestor WHERE c.parent_id IS NOT NULL)
SELECT c.guid FROM up JOIN classes c ON c.id = up.start WHERE up.start = up.ancestor ORDER BY c.id)sql";

// Children in a reference without hierarchy, and second parents in a tree.
constexpr const char* misplacedParentsSql = R"sql(
SELECT o.guid, g.hierarchy, COUNT(*) FROM hierarchy h JOIN objects o ON o.id = h.child_id
  JOIN groups g ON g.id = o.ref_id
  GROUP BY h.child_id HAVING g.hierarchy = ?1 OR (g.hierarchy = ?2 AND COUNT(*) > 1) ORDER BY o.id)sql";

class Checker {
public:
    explicit Checker(Database& database) : database_(database) {}

    std::vector<std::string> Run()
    {
        pragmaRows("PRAGMA integrity_check", "the file's structure: ");
        if (!problems_.empty())
            return problems_; // the other checks read through the damaged structure
        foreignKeys();
        guidRows(objectCyclesSql, "the object ", " is among its own ancestors");
        guidRows(classCyclesSql, "the class ", " is among its own base classes");
        misplacedParents();
        return problems_;
    }

private:
    void add(const std::string& what) { problems_.push_back("PDM database \"" + database_.Path() + "\": " + what); }

    void pragmaRows(const char* sql, const std::string& prefix)
    {
        auto query = database_.Prepare(sql);
        while (query.Step()) {
            const std::string row = Support::WideToUtf8(query.Text(0));
            if (row != "ok")
                add(prefix + row);
        }
    }

    void foreignKeys()
    {
        auto query = database_.Prepare("PRAGMA foreign_key_check");
        while (query.Step())
            add("row " + std::to_string(query.Int(1)) + " of table " + Support::WideToUtf8(query.Text(0)) +
                " names a missing row of table " + Support::WideToUtf8(query.Text(2)));
    }

    void guidRows(const char* sql, const std::string& before, const std::string& after)
    {
        auto query = database_.Prepare(sql);
        while (query.Step())
            add(before + Support::WideToUtf8(query.Text(0)) + after);
    }

    void misplacedParents()
    {
        auto query = database_.Prepare(misplacedParentsSql);
        query.Bind(1, static_cast<long long>(ReferenceHierarchyType::None))
            .Bind(2, static_cast<long long>(ReferenceHierarchyType::Tree));
        while (query.Step()) {
            const std::string guid = Support::WideToUtf8(query.Text(0));
            if (query.Int(1) == static_cast<long long>(ReferenceHierarchyType::None))
                add("the object " + guid + " has a parent in a reference without hierarchy");
            else
                add("the object " + guid + " has " + std::to_string(query.Int(2)) + " parents in a tree");
        }
    }

    Database& database_;
    std::vector<std::string> problems_;
};

} // namespace

std::vector<std::string> CheckDatabase(Database& database)
{
    return Checker(database).Run();
}

} // namespace Vireo::Arbor::Model
