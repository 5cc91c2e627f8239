#pragma once
// An ordered list of document objects held by another object (the machinings of a project,
// the child groups of a group ...). It keeps ids: an object removed from the document drops
// out of every list.
//
// A list journals its own changes rather than its holder's: a project with thousands of
// machinings would otherwise save every id each time a bracket adds one. An append keeps only
// the length to cut back to; any other change keeps the whole list, once per bracket.

#include "platform/host/Zkw32Doc.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace Vireo::Cam {

template <class T>
class ObjectList {
public:
    explicit ObjectList(const CZKObject& holder) : holder_(holder) {}
    ObjectList(const ObjectList&) = delete;
    ObjectList& operator=(const ObjectList&) = delete;

    // Creates an object in the holder's document and appends it; null without a document.
    T* Create()
    {
        CZkw32Doc* doc = holder_.GetDocumentPtr();
        if (!doc)
            return nullptr;
        T* object = doc->template CreateObject<T>();
        append(object->GetID());
        return object;
    }
    // Appends an object of the holder's document; false when it is already listed or foreign.
    bool Add(T* object)
    {
        if (!object || object->GetDocumentPtr() != holder_.GetDocumentPtr() || positionOf(object->GetID()))
            return false;
        append(object->GetID());
        return true;
    }
    // Takes the object out of the list (it stays in the document).
    bool Remove(const T* object)
    {
        const auto position = object ? positionOf(object->GetID()) : std::nullopt;
        if (!position)
            return false;
        willChange();
        ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(*position));
        forgetPositions();
        return true;
    }

    std::vector<T*> GetAll() const
    {
        std::vector<T*> all;
        if (CZkw32Doc* doc = holder_.GetDocumentPtr())
            for (ZKObjectID id : ids_)
                if (T* object = doc->template FindObjectAs<T>(id))
                    all.push_back(object);
        return all;
    }
    int GetCount() const { return static_cast<int>(GetAll().size()); }
    // The object at a position, or null out of range.
    T* Get(int index) const
    {
        const auto all = GetAll();
        return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
    }
    T* operator[](int index) const { return Get(index); }
    int IndexOf(const T* object) const
    {
        CZkw32Doc* doc = holder_.GetDocumentPtr();
        if (!doc || !object)
            return -1;
        // Found by id first: the position among the ids is the position in the list unless
        // some listed object has left the document.
        const auto position = positionOf(object->GetID());
        if (!position || doc->FindObject(object->GetID()) != object)
            return -1;
        const auto found = ids_.begin() + static_cast<std::ptrdiff_t>(*position);
        if (isClean())
            return static_cast<int>(*position);
        const auto listedBefore = std::count_if(ids_.begin(), found, [doc](ZKObjectID id) {
            return doc->template FindObjectAs<T>(id) != nullptr;
        });
        return static_cast<int>(listedBefore);
    }
    // Moves the object to a position (clamped into the list); false when it is not listed.
    // An object already in place is no change.
    bool MoveTo(const T* object, int index)
    {
        if (isClean())
            return moveListed(object, index);
        auto all = GetAll();
        const auto found = std::find(all.begin(), all.end(), object);
        if (found == all.end())
            return false;
        T* moved = *found;
        all.erase(found);
        index = std::clamp(index, 0, static_cast<int>(all.size()));
        all.insert(all.begin() + index, moved);
        willChange();
        ids_.clear();
        for (T* each : all)
            ids_.push_back(each->GetID());
        forgetPositions();
        return true;
    }

    // The ids of the listed objects that the document keeps, for the document file.
    std::vector<ZKObjectID> GetIds() const { return KeptObjectIds(holder_, ids_); }
    void SetIds(std::vector<ZKObjectID> ids)
    {
        willChange();
        ids_ = std::move(ids);
        cleanAt_.reset();
        forgetPositions();
    }

private:
    // True when every listed id is an object of the list's class in the document, so that
    // positions among the ids are positions in the list. Known once checked until an object
    // leaves the document or the ids are replaced; appends keep it.
    bool isClean() const
    {
        CZkw32Doc* doc = holder_.GetDocumentPtr();
        if (!doc)
            return false;
        const std::uint64_t removals = doc->GetRemovalCount();
        if (cleanAt_ == removals)
            return true;
        const bool clean = std::all_of(ids_.begin(), ids_.end(),
                                       [doc](ZKObjectID id) { return doc->template FindObjectAs<T>(id) != nullptr; });
        if (clean)
            cleanAt_ = removals;
        return clean;
    }
    bool moveListed(const T* object, int index)
    {
        const auto position = object ? positionOf(object->GetID()) : std::nullopt;
        if (!position)
            return false;
        const auto from = static_cast<std::ptrdiff_t>(*position);
        const auto to = std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(ids_.size()) - 1);
        if (from == to)
            return true;
        willChange();
        if (from < to)
            std::rotate(ids_.begin() + from, ids_.begin() + from + 1, ids_.begin() + to + 1);
        else
            std::rotate(ids_.begin() + to, ids_.begin() + from, ids_.begin() + from + 1);
        forgetPositions();
        return true;
    }
    void append(ZKObjectID id)
    {
        willAppend();
        ids_.push_back(id);
        if (positionsKnown_)
            positions_.emplace(id, ids_.size() - 1);
    }
    // Where an id stands among the ids. Asked once per object by readers of a group's order,
    // so a scan each time would make reading a group quadratic in its size.
    std::optional<std::size_t> positionOf(ZKObjectID id) const
    {
        if (!positionsKnown_) {
            positions_.clear();
            positions_.reserve(ids_.size());
            for (std::size_t i = 0; i < ids_.size(); ++i)
                positions_.emplace(ids_[i], i);
            positionsKnown_ = true;
        }
        const auto found = positions_.find(id);
        return found == positions_.end() ? std::nullopt : std::optional<std::size_t>(found->second);
    }
    void forgetPositions() const
    {
        positionsKnown_ = false;
        positions_.clear();
    }
    // The document's bracket if this list has not kept itself whole in it yet, else null.
    CZkw32Doc* bracketToJournal() const
    {
        CZkw32Doc* doc = holder_.GetDocumentPtr();
        return doc && doc->IsChanging() && keptIn_ != doc->GetChangeSerial() ? doc : nullptr;
    }
    void willAppend()
    {
        if (CZkw32Doc* doc = bracketToJournal())
            doc->NoteUndo([this, length = ids_.size()] {
                if (ids_.size() > length)
                    ids_.resize(length);
                cleanAt_.reset();
                forgetPositions();
            });
    }
    void willChange()
    {
        if (CZkw32Doc* doc = bracketToJournal()) {
            doc->NoteUndo([this, ids = ids_] {
                ids_ = ids;
                cleanAt_.reset();
                forgetPositions();
            });
            keptIn_ = doc->GetChangeSerial();
        }
    }

    const CZKObject& holder_;
    std::vector<ZKObjectID> ids_;
    // The bracket in which the whole list was last kept.
    std::uint64_t keptIn_ = 0;
    // The document's removal count when the ids were last found clean.
    mutable std::optional<std::uint64_t> cleanAt_;
    // Positions of the ids, built when first asked and dropped at every other change than an
    // append. An id listed twice (a document file may say so) keeps its first position.
    mutable std::unordered_map<ZKObjectID, std::size_t> positions_;
    mutable bool positionsKnown_ = false;
};

} // namespace Vireo::Cam
