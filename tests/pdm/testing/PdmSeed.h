#pragma once
// Seed text of references and objects written from typed pieces, so that a test names each
// GUID once, as a constant, and states only what its objects hold.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vireo::Testing::Seed {

using Guid = const wchar_t*;
// Elements of a reference or of an object, already written.
using Body = std::vector<std::string>;

struct ParameterSeed {
    Guid guid;
    std::string_view name;
    std::string_view type = {}; // empty: text
    Guid unit = nullptr;
};

std::string Parameter(const ParameterSeed& parameter);
std::string Group(Guid guid, std::string_view name, const std::vector<ParameterSeed>& parameters);
// `many`: a link to many objects, or a one-to-many table.
std::string LinkGroup(Guid guid, std::string_view name, Guid toReference, bool many = false);
std::string Table(Guid guid, std::string_view name, const std::vector<ParameterSeed>& parameters, Guid rowClass,
                  std::string_view rowClassName, bool many = true);

struct ClassShape {
    bool isAbstract = false;
    std::vector<Guid> groups = {};   // empty: every group of the reference
    std::vector<Guid> children = {}; // classes its objects may hold
};
std::string Class(Guid guid, std::string_view name, const ClassShape& shape = {});

struct ObjectSeed {
    Guid guid; // null: the seed makes one
    Guid objectClass;
    std::vector<std::pair<Guid, std::string_view>> values = {};
    int order = 0; // 0: none
    std::vector<Guid> parents = {};
    Body body = {}; // links and rows
};

std::string Object(const ObjectSeed& object);
// The object at the other end of a link group.
std::string Link(Guid group, Guid object);
std::string Row(Guid table, Guid rowClass, const std::vector<std::pair<Guid, std::string_view>>& values,
                int order = 0);

// `hierarchy` as the seed file names it ("tree", "complex"); empty for none. An empty name adds
// to a reference seeded before.
std::string Reference(Guid guid, std::string_view name, const Body& body, std::string_view hierarchy = {});
std::string Pdm(const Body& references);

} // namespace Vireo::Testing::Seed
