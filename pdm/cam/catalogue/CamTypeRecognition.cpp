// Recognition through an index of the catalogue. A predicate compares the object's kind (tool
// logic, strategy or stock kind) with its type's class identifier, and otherwise tests the
// host class or the handle alternative, so only the entries of the object's kind or
// alternative can accept it; they are asked in the catalogue's order.

#include "pdm/cam/internal/CamTypeRecognition.h"

#include "pdm/cam/internal/CamTypeRoutines.h"

#include "platform/cam/Machining.h"
#include "platform/cam/Stock.h"
#include "platform/cam/Strategy.h"
#include "platform/cam/Tool.h"
#include "platform/cam/ToolLogic.h"

#include <array>
#include <optional>
#include <unordered_map>
#include <variant>
#include <vector>

namespace Vireo::Cam::Pdm::internal {

namespace {

using Candidates = std::vector<const CamTypeEntry*>;

struct CandidateIndex {
    // Entries by the kind identifier their predicate compares.
    std::unordered_map<UniqueIdentifier, Candidates> byClassId;
    // Entries by the handle alternative of their host class; index 0 the document classes,
    // which accept any object of their class that has no kind.
    std::array<Candidates, std::variant_size_v<CamObject>> byAlternative;
};

CandidateIndex buildIndex()
{
    CandidateIndex index;
    for (const CamTypeEntry& entry : CamTypes) {
        index.byClassId[entry.second.classId].push_back(&entry);
        if (entry.second.alternative < index.byAlternative.size())
            index.byAlternative[entry.second.alternative].push_back(&entry);
    }
    return index;
}

const CandidateIndex& candidateIndex()
{
    static const CandidateIndex index = buildIndex();
    return index;
}

const Candidates* ofKind(const std::optional<UniqueIdentifier>& kind)
{
    if (!kind)
        return nullptr;
    const auto& byClassId = candidateIndex().byClassId;
    const auto found = byClassId.find(*kind);
    return found == byClassId.end() ? nullptr : &found->second;
}

template <class Kinded>
std::optional<UniqueIdentifier> kindOf(const Kinded* kinded)
{
    return kinded ? std::optional(kinded->GetKind()) : std::nullopt;
}

// The entries that may accept the object; null for none. The kind is read in the order the
// predicates test the classes: tool, machining, stock.
const Candidates* candidatesFor(const CamObject& object)
{
    const auto& byAlternative = candidateIndex().byAlternative;
    const CZKObject* held = DocumentObjectOf(object);
    if (object.index() != CamObjectIndex::Document)
        return &byAlternative[object.index()];
    if (!held)
        return nullptr;
    if (const auto* tool = ObjectAs<const Cam::Tool>(held))
        return ofKind(kindOf(tool->GetLogic()));
    if (const auto* machining = ObjectAs<const Cam::Machining>(held))
        return ofKind(kindOf(machining->GetStrategy()));
    if (const auto* stock = ObjectAs<const Cam::Stock>(held))
        return ofKind(StockKindOf(stock->GetStockType()));
    return &byAlternative[CamObjectIndex::Document];
}

} // namespace

const CamTypeEntry* RecogniseCamType(const CamObject& object) noexcept
{
    const Candidates* candidates = nullptr;
    try {
        candidates = candidatesFor(object);
    } catch (...) {
        return nullptr; // every predicate would have failed on the same host call
    }
    if (candidates)
        for (const CamTypeEntry* entry : *candidates)
            if (entry->second.predicate(object))
                return entry;
    return nullptr;
}

bool AcceptedAsCamType(const CamObject& object, std::wstring_view type) noexcept
{
    const Candidates* candidates = nullptr;
    try {
        candidates = candidatesFor(object);
    } catch (...) {
        return false;
    }
    if (!candidates)
        return false;
    // Only the object's candidates can accept it: no name of the family is looked up.
    const auto generic = GenericCamTypes.find(type);
    const auto* members = generic == GenericCamTypes.end() ? nullptr : &generic->second.first;
    for (const CamTypeEntry* entry : *candidates) {
        const bool named = entry->first == type || (members && members->contains(entry->first));
        if (named && entry->second.predicate(object))
            return true;
    }
    return false;
}

const CamTypeValues* FindCamTypeValues(const CamObject& object) noexcept
{
    for (const CamTypeEntry& entry : CamTypes)
        if (entry.second.values.holds(object))
            return &entry.second.values;
    return nullptr;
}

} // namespace Vireo::Cam::Pdm::internal
