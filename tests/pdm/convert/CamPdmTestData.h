#pragma once
// A technology PDM for exporting CAM objects: the same schema twice, once with a hierarchy in
// which an object may have several parents ("Technology") and once with a plain tree
// ("Flat"); rule objects for both; and CAM projects whose machinings share tools.

#include "platform/cam/Model.h"
#include "platform/cam/ParameterIds.h"
#include "tests/pdm/testing/PdmFixture.h"
#include "tests/pdm/testing/RuleSeed.h"

#include <string>
#include <vector>

namespace Vireo::Cam::Pdm::Testing {

// GUIDs of one of the two references: `prefix` is "7ec0" (technology) or "7ec1" (flat).
struct TechReference {
    std::wstring prefix;

    std::wstring Key(const wchar_t* tail) const { return prefix + L"0000-0000-4000-8000-0000000000" + tail; }
    std::wstring Reference() const { return Key(L"00"); }
    std::wstring Name() const { return Key(L"01"); }
    std::wstring Kind() const { return Key(L"02"); }
    std::wstring Diameter() const { return Key(L"03"); } // metres
    std::wstring Reach() const { return Key(L"04"); }    // a unit the host does not know
    std::wstring Angle() const { return Key(L"05"); }    // radians
    std::wstring Teeth() const { return Key(L"06"); }
    std::wstring Project() const { return Key(L"c1"); }
    std::wstring Machining() const { return Key(L"c2"); }
    std::wstring Tool() const { return Key(L"c3"); }
    std::wstring Stock() const { return Key(L"c4"); }
    std::wstring Part() const { return Key(L"c5"); }
    std::wstring Fixture() const { return Key(L"c6"); }
};

inline const TechReference Technology{L"7ec0"};
inline const TechReference Flat{L"7ec1"};

inline constexpr char FurlongUnit[] = "f0000000-0000-4000-8000-000000000001";

std::string TechnologySeed(const TechReference& reference, const char* name, const char* hierarchy);

// Projects, machinings and tools by name, "D" of tools to three parameters of different
// units, and a tag that tells cutters apart: "D" also reaches Teeth only on objects of
// another kind, so it must not arrive there.
Vireo::Testing::RuleObjectSeed TechnologyRules(const TechReference& reference);

// Seeds units, rules and both references; the fixture is the current connection.
void SeedTechnology(Vireo::Testing::PdmFixture& pdm);

struct SharedToolProject {
    MachiningProject* project;
    Machining* first;
    Machining* second;
    Tool* tool; // used by both machinings
};

// A project with two machinings that use one end mill of diameter 25 mm.
SharedToolProject BuildSharedToolProject(CZkw32Doc& doc);

} // namespace Vireo::Cam::Pdm::Testing
