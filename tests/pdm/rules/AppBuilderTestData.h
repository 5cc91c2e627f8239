#pragma once
// A small PDM for the application-side traversal: jobs with two plain groups, a link to one
// and a link to many materials (which have a table of their own), a one-to-many and a
// one-to-one table. Key texts are chosen so that their order is easy to read.

#include "tests/pdm/testing/PdmSeed.h"

#include <string>

namespace Vireo::Cam::Pdm::Testing {

namespace Jobs {
inline constexpr wchar_t Reference[] = L"10000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Name[] = L"10000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Kind[] = L"10000000-0000-4000-8000-000000000002";
inline constexpr wchar_t JobClass[] = L"10000000-0000-4000-8000-0000000000c1";
inline constexpr wchar_t J1[] = L"10000000-0000-4000-8000-0000000000a1";
inline constexpr wchar_t J2[] = L"10000000-0000-4000-8000-0000000000a2";
inline constexpr wchar_t GroupA[] = L"aa000000-0000-4000-8000-000000000000";
inline constexpr wchar_t A1[] = L"aa000000-0000-4000-8000-000000000001";
inline constexpr wchar_t GroupB[] = L"bb000000-0000-4000-8000-000000000000";
inline constexpr wchar_t B1[] = L"bb000000-0000-4000-8000-000000000001";
inline constexpr wchar_t MaterialLink[] = L"c1000000-0000-4000-8000-000000000000";
inline constexpr wchar_t MaterialsLink[] = L"c2000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Items[] = L"d1000000-0000-4000-8000-000000000000";
inline constexpr wchar_t ItemTag[] = L"d1000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Spec[] = L"d2000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Note[] = L"d2000000-0000-4000-8000-000000000001";
inline constexpr wchar_t NoSuchGroup[] = L"ee000000-0000-4000-8000-000000000000";
} // namespace Jobs

namespace Materials {
inline constexpr wchar_t Reference[] = L"20000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Name[] = L"20000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Grades[] = L"2d000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Grade[] = L"2d000000-0000-4000-8000-000000000001";
inline constexpr wchar_t M1[] = L"20000000-0000-4000-8000-0000000000a1";
inline constexpr wchar_t M2[] = L"20000000-0000-4000-8000-0000000000a2";
inline constexpr wchar_t M3[] = L"20000000-0000-4000-8000-0000000000a3";
} // namespace Materials

inline std::string JobsSeed()
{
    namespace S = Vireo::Testing::Seed;
    using namespace Materials;
    constexpr wchar_t GradeRow[] = L"2d000000-0000-4000-8000-0000000000c1";
    constexpr wchar_t Material[] = L"20000000-0000-4000-8000-0000000000c1";
    const auto material = [&](const wchar_t* guid, std::string_view name, S::Body rows) {
        return S::Object({.guid = guid, .objectClass = Material, .values = {{Name, name}}, .body = std::move(rows)});
    };
    const std::string materials = S::Reference(
        Materials::Reference, "Materials",
        {S::Parameter({Name, "Name"}), S::Table(Grades, "Grades", {{Grade, "Grade"}}, GradeRow, "GradeRow"),
         S::Class(Material, "Material"), material(M1, "M1", {S::Row(Grades, GradeRow, {{Grade, "G1"}})}),
         material(M2, "M2", {S::Row(Grades, GradeRow, {{Grade, "G2"}})}), material(M3, "M3", {})});

    using namespace Jobs;
    constexpr wchar_t ItemRow[] = L"d1000000-0000-4000-8000-0000000000c1";
    constexpr wchar_t SpecRow[] = L"d2000000-0000-4000-8000-0000000000c1";
    const std::string jobs = S::Reference(
        Jobs::Reference, "Jobs",
        {S::Parameter({Jobs::Name, "Name"}), S::Parameter({Kind, "Kind"}), S::Group(GroupA, "A", {{A1, "A1"}}),
         S::Group(GroupB, "B", {{B1, "B1"}}), S::LinkGroup(MaterialLink, "Material", Materials::Reference),
         S::LinkGroup(MaterialsLink, "Materials", Materials::Reference, true),
         S::Table(Items, "Items", {{ItemTag, "Tag"}}, ItemRow, "Item"),
         S::Table(Spec, "Spec", {{Note, "Note"}}, SpecRow, "SpecRow", false), S::Class(JobClass, "Job"),
         S::Object({.guid = J1,
                    .objectClass = JobClass,
                    .values = {{Jobs::Name, "J1"}, {Kind, "mill"}},
                    .body = {S::Link(MaterialLink, M1), S::Link(MaterialsLink, M1), S::Link(MaterialsLink, M2),
                             S::Link(MaterialsLink, M3), S::Row(Items, ItemRow, {{ItemTag, "T1"}}, 1),
                             S::Row(Items, ItemRow, {{ItemTag, "T2"}}, 2), S::Row(Spec, SpecRow, {{Note, "S1"}})}}),
         S::Object({J2, JobClass, {{Jobs::Name, "J2"}}})},
        "complex");
    return S::Pdm({materials, jobs});
}

} // namespace Vireo::Cam::Pdm::Testing
