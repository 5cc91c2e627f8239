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
  GROUP BY h.child_id, o.id, o.guid, g.hierarchy HAVING g.hierarchy = ?1 OR (g.hierarchy = ?2 AND COUNT(*) > 1) ORDER BY o.id)sql";

// Objects whose class is missing or belongs to another reference or table.
constexpr const char* foreignClassesSql = R"sql(
SELECT o.guid, c.id IS NULL FROM objects o LEFT JOIN classes c ON c.id = o.class_id
  WHERE c.id IS NULL OR c.group_id != COALESCE(o.table_id, o.ref_id) ORDER BY o.id)sql";

// Link and hierarchy rows with a missing end, as (first id, second id, which end is missing).
constexpr const char* danglingLinksSql = R"sql(
SELECT l.master_id, l.slave_id FROM links l
  WHERE NOT EXISTS (SELECT 1 FROM objects WHERE id = l.master_id) OR NOT EXISTS (SELECT 1 FROM objects WHERE id = l.slave_id)
  ORDER BY l.master_id, l.slave_id)sql";
constexpr const char* danglingHierarchySql = R"sql(
SELECT h.parent_id, h.child_id FROM hierarchy h
  WHERE NOT EXISTS (SELECT 1 FROM objects WHERE id = h.parent_id) OR NOT EXISTS (SELECT 1 FROM objects WHERE id = h.child_id)
  ORDER BY h.parent_id, h.child_id)sql";

// Table rows without an owner, and objects with an owner but no table.
constexpr const char* ownerlessRowsSql = R"sql(
SELECT guid, table_id IS NOT NULL FROM objects
  WHERE (table_id IS NOT NULL AND owner_id IS NULL) OR (table_id IS NULL AND owner_id IS NOT NULL) ORDER BY id)sql";

// The groups whose parameters an object of a class holds: its reference's (or table's) own
// group, and the plain and hierarchy groups its class and the class's ancestors name; a class
// line that names none has every such group of its reference.
constexpr const char* strayValuesSql = R"sql(
WITH RECURSIVE lineage(class_id, ancestor) AS (
  SELECT id, id FROM classes
  UNION
  SELECT l.class_id, c.parent_id FROM lineage l JOIN classes c ON c.id = l.ancestor WHERE c.parent_id IS NOT NULL),
named(class_id, group_id) AS MATERIALIZED (
  SELECT l.class_id, cg.group_id FROM lineage l JOIN class_groups cg ON cg.class_id = l.ancestor
    JOIN groups g ON g.id = cg.group_id WHERE g.kind IN (1, 2)),
allowed(class_id, group_id) AS MATERIALIZED (
  SELECT class_id, group_id FROM named
  UNION SELECT id, group_id FROM classes
  UNION SELECT c.id, g.id FROM classes c JOIN groups g ON g.owner_id = c.group_id
    WHERE g.kind IN (1, 2) AND c.id NOT IN (SELECT class_id FROM named))
SELECT o.guid, v.param_id, p.id IS NULL FROM vals v JOIN objects o ON o.id = v.object_id
  LEFT JOIN parameters p ON p.id = v.param_id
  WHERE p.id IS NULL OR NOT EXISTS (SELECT 1 FROM allowed a WHERE a.class_id = o.class_id AND a.group_id = p.group_id)
  ORDER BY o.id, v.param_id)sql";

constexpr const char* orphanValuesSql = R"sql(
SELECT DISTINCT v.object_id FROM vals v WHERE NOT EXISTS (SELECT 1 FROM objects WHERE id = v.object_id)
  ORDER BY v.object_id)sql";

class Checker {
public:
    explicit Checker(Database& database) : database_(database) {}

    std::vector<std::string> Run()
    {
        for (const auto& problem : database_.StructureProblems())
            add(problem);
        if (!problems_.empty())
            return problems_; // the other checks read through the damaged structure
        for (const auto& problem : database_.ForeignKeyProblems())
            add(problem);
        foreignClasses();
        danglingRows(danglingLinksSql, "a link from object ", " to object ");
        danglingRows(danglingHierarchySql, "a hierarchy row from parent ", " to child ");
        ownerlessRows();
        strayValues();
        guidRows(objectCyclesSql, "the object ", " is among its own ancestors");
        guidRows(classCyclesSql, "the class ", " is among its own base classes");
        misplacedParents();
        return problems_;
    }

private:
    void add(const std::string& what) { problems_.push_back("PDM database \"" + database_.Path() + "\": " + what); }

    void foreignClasses()
    {
        auto query = database_.Prepare(foreignClassesSql);
        while (query.Step())
            add("the object " + Support::WideToUtf8(query.Text(0)) +
                (query.Int(1) ? " has no existing class" : " has a class of another reference or table"));
    }

    void danglingRows(const char* sql, const std::string& from, const std::string& to)
    {
        auto query = database_.Prepare(sql);
        while (query.Step())
            add(from + std::to_string(query.Int(0)) + to + std::to_string(query.Int(1)) +
                " names an object that does not exist");
    }

    void ownerlessRows()
    {
        auto query = database_.Prepare(ownerlessRowsSql);
        while (query.Step())
            add("the object " + Support::WideToUtf8(query.Text(0)) +
                (query.Int(1) ? " is a table row without an owner" : " has an owner but is in no table"));
    }

    void strayValues()
    {
        auto query = database_.Prepare(strayValuesSql);
        while (query.Step())
            add("the object " + Support::WideToUtf8(query.Text(0)) + " has a value of parameter row " +
                std::to_string(query.Int(1)) +
                (query.Int(2) ? ", which does not exist" : ", which is in no group of its class"));
        auto orphans = database_.Prepare(orphanValuesSql);
        while (orphans.Step())
            add("values belong to object " + std::to_string(orphans.Int(0)) + ", which does not exist");
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

bool HoldsPdmData(Database& database)
{
    auto query = database.Prepare("SELECT (SELECT count(*) FROM groups) + (SELECT count(*) FROM objects)");
    return query.Step() && query.Int(0) > 0;
}

} // namespace Vireo::Arbor::Model
