#pragma once
// The reader of seed files (the format is described at the top of Seed.cpp): the common
// checks and the database state here, the schema elements in SeedSchemaReader.cpp and the
// objects with their values, rows, links and parents in SeedDataReader.cpp.

#include "platform/arbor/Database.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/Schema.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <functional>
#include <map>
#include <set>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace Vireo::Arbor::Model::internal {

using zkaux::xml::Node;

struct GroupRow {
    long long id;
    GroupKind kind;
    long long scope; // the reference or table whose objects hold its parameters
    long long reference;
    long long owner = 0;
    long long slave = 0; // link groups: the linked reference
};

struct ClassRow {
    long long id;
    long long group;
    bool abstract;
};

struct ObjectRow {
    long long id;
    long long reference;
};

struct ParameterRow {
    long long id;
    ParameterValueType type;
};

class SeedLoader {
public:
    SeedLoader(Database& database, zkaux::xml::Document& document, std::string source);
    void Run();

private:
    [[noreturn]] void fail(const Node& node, const std::string& what) const;

    [[noreturn]] void unexpected(const Node& node, const Node& parent) const;

    static std::wstring wide(const std::string& text) { return Support::Utf8ToWide(text); }

    std::string required(const Node& node, const char* name) const;

    System::Guid guidOf(const Node& node, const std::string& text, const char* name) const;

    System::Guid guidAttribute(const Node& node, const char* name) const;

    std::vector<System::Guid> guidList(const Node& node, const char* name) const;

    bool flag(const Node& node, const char* name, bool fallback) const;

    template <class Enum>
    Enum choice(const Node& node, const char* name, std::initializer_list<std::pair<const char*, Enum>> options) const
    {
        const std::string value = node.GetAttribute(name).value_or(options.begin()->first);
        std::string allowed;
        for (const auto& [word, result] : options) {
            if (value == word)
                return result;
            allowed += allowed.empty() ? word : std::string(", ") + word;
        }
        fail(node, std::string("attribute \"") + name + "\" must be one of " + allowed + ", not \"" + value + "\"");
    }

    void claim(const Node& node, const System::Guid& guid);

    void readExisting();

    long long insertGroup(const Node& node, const System::Guid& guid, const std::wstring& name, GroupKind kind,
                          long long owner, long long scope, long long reference, int hierarchy = 0);

    void readUnits(const Node& node);

    void readReference(const Node& node);

    void insertParameter(const Node& node, long long group, const System::Guid& guid, const std::wstring& name,
                         ParameterValueType type, const System::Guid* unit);

    void readParameter(const Node& node, long long group);

    void readGroup(const Node& node, long long owner, long long reference);

    void readLink(const Node& node, long long reference);

    void resolveLinkTarget(const Node& node, long long link, const System::Guid& target);

    void readTable(const Node& node, long long reference);

    long long insertClass(const Node& node, const System::Guid& guid, const std::wstring& name, long long group,
                          long long parent, bool abstract);

    void readClass(const Node& node, long long group, long long parent);

    void resolveClassLists(const Node& node, long long id, long long owner, const std::vector<System::Guid>& groups,
                           const std::vector<System::Guid>& children);

    // Whether `group` is listed (directly or further down) under `owner`.
    bool isUnder(long long group, long long owner) const;

    long long insertObject(const Node& node, const System::Guid& guid, long long reference, long long objectClass,
                           long long owner, long long table, std::optional<long long> order);

    void setValue(const Node& node, long long object, long long scope, const System::Guid& parameter,
                  const std::string& text);

    std::optional<long long> orderOf(const Node& node) const;

    long long classFor(const Node& node, long long group) const;

    System::Guid objectGuid(const Node& node) const;

    void readObject(const Node& node, long long reference);

    void resolveParents(const Node& node, long long child, long long reference, const std::vector<System::Guid>& parents);

    void readContents(const Node& node, long long object, long long reference, long long scope);

    void readRow(const Node& node, long long owner, long long reference);

    void readObjectLink(const Node& node, long long object, long long reference);

    void resolveObjectLink(const Node& node, long long object, const GroupRow& link, const System::Guid& target);

    // Refuses a file whose parents make an object its own ancestor, naming an object of the
    // cycle that the file brings.
    void refuseParentCycles() const;

    Database& db_;
    zkaux::xml::Document& document_;
    std::string source_;
    long long position_ = 0;
    std::unordered_map<System::Guid, GroupRow> groups_;
    std::map<std::pair<long long, System::Guid>, ParameterRow> parameters_;
    std::unordered_map<System::Guid, ClassRow> classes_;
    std::unordered_map<System::Guid, ObjectRow> objects_;
    std::unordered_map<long long, ReferenceHierarchyType> hierarchies_;
    std::unordered_set<System::Guid> used_;
    std::unordered_set<System::Guid> existingReferences_;
    std::unordered_set<System::Guid> units_;
    std::vector<std::function<void()>> deferred_; // checks that need the whole file read
    std::unordered_map<long long, GroupRow*> groupsById_;
    std::unordered_map<long long, Node> parented_;            // objects of this file that name parents
    std::set<std::pair<long long, long long>> oneToOneRows_; // (owner, table) of rows read
};

} // namespace Vireo::Arbor::Model::internal
