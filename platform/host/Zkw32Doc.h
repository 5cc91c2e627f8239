#pragma once
// The host document: it owns its objects, journals every change inside nesting change
// brackets, and saves to and loads from a readable text.
//
// The journal is copy-on-write: an object calls NoteChange before it changes (its setters do,
// and so do the non-const accessors that hand out its inner state), and the innermost bracket
// then keeps the object's saved state, once. State that is cheaper to undo step by step (the
// id lists objects hold) records undo steps instead. Opening a bracket costs nothing, and a
// bracket costs what was changed inside it, whatever the size of the document.
// A reference handed out by a non-const accessor counts as a change when it is taken: take it
// inside the bracket that the change belongs to.

#include "platform/host/ChangeJournal.h"
#include "platform/host/ChangeObserver.h"
#include "platform/host/Materials.h"
#include "platform/host/ZKObject.h"

#include <filesystem>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vireo::Host {
struct TextNode;
}

class CZkw32Doc;

// Makes an empty object of the class named by a document file's class word, or returns
// null for a word it does not know.
using ZKObjectFactory = std::function<std::unique_ptr<CZKObject>(std::wstring_view classTag, CZkw32Doc& doc)>;

// The factory of the host's own object classes (materials, bodies, workplanes).
std::unique_ptr<CZKObject> MakeHostObject(std::wstring_view classTag, CZkw32Doc& doc);

// The document materials of a document.
class ZKMaterialList {
public:
    explicit ZKMaterialList(CZkw32Doc& doc) : doc_(doc) {}
    // Takes a material into the document; it keeps the id given with SetID (a fresh one when
    // it has none or the id is taken). Returns the material.
    DocumentMaterial* Add(std::unique_ptr<DocumentMaterial> material);
    std::vector<DocumentMaterial*> GetAll() const;
    int GetCount() const { return static_cast<int>(GetAll().size()); }

private:
    CZkw32Doc& doc_;
};

// The 3D container of a document: the model data that CAM objects refer to.
class ZKContainer3D {
public:
    explicit ZKContainer3D(CZkw32Doc& doc) : materials_(doc) {}
    // The object named so among the container's materials, or null.
    CZKObject* FindMaterial(std::wstring_view name) const;
    ZKMaterialList& GetMaterials() noexcept { return materials_; }

private:
    ZKMaterialList materials_;
};

class CZkw32Doc {
public:
    CZkw32Doc();
    ~CZkw32Doc();
    CZkw32Doc(const CZkw32Doc&) = delete;
    CZkw32Doc& operator=(const CZkw32Doc&) = delete;

    // Objects, in id order.
    template <class T, class... Args>
    T* CreateObject(Args&&... args)
    {
        auto object = std::make_unique<T>(this, std::forward<Args>(args)...);
        T* created = object.get();
        AddObject(std::move(object));
        return created;
    }
    // Takes an object into the document. It keeps its id when it has one that is free,
    // otherwise it gets a fresh one. Returns the object.
    CZKObject* AddObject(std::unique_ptr<CZKObject> object);
    // Removes and destroys an object (inside a change bracket it is kept until the outermost
    // bracket closes, so that a cancel can bring it back). False when it is not ours.
    bool RemoveObject(CZKObject* object);
    CZKObject* FindObject(ZKObjectID id) const noexcept;
    // Counts objects leaving the document (removed, or dropped by a cancel): while it stays
    // the same, every object seen in the document is still there.
    std::uint64_t GetRemovalCount() const noexcept { return removals_; }
    // True for an object of the document and for one removed inside an open bracket, which a
    // cancel may bring back: what objects save of their references to others keeps those.
    bool KeepsObject(ZKObjectID id) const noexcept;
    template <class T>
    T* FindObjectAs(ZKObjectID id) const noexcept
    {
        return dynamic_cast<T*>(FindObject(id));
    }
    std::vector<CZKObject*> GetObjects() const;
    ZKObjectID NewObjectID() noexcept;

    // Change brackets. Every change made between BeginChanges and the matching EndChanges
    // or CancelChanges belongs to that bracket; brackets nest, and an inner bracket that is
    // kept becomes part of the one around it.
    // False (and no bracket) while the document is read-only.
    bool BeginChanges(std::wstring_view name);
    // Closes the innermost bracket; `keep` false rolls it back. False when none is open.
    bool EndChanges(bool keep = true, bool regenerate = false);
    // Closes the innermost bracket and restores the document as it was at its BeginChanges.
    bool CancelChanges(bool restore = true);
    bool IsChanging() const noexcept;
    int GetChangeDepth() const noexcept;
    // Names of the kept outermost brackets, oldest first.
    const std::vector<std::wstring>& GetUndoSteps() const noexcept { return journal_.GetUndoSteps(); }

    // The journal (see the top of this file). NoteChange is called by an object of this
    // document before it changes; outside brackets it does nothing.
    void NoteChange(const CZKObject& object);
    // Keeps a step that undoes a change about to be made. A cancel runs the steps of its
    // bracket newest first, after the noted objects have their saved state back.
    void NoteUndo(std::function<void()> undo);
    // Identifies the innermost open bracket (0 when none is open): state that records its own
    // undo can tell whether it already did in this bracket.
    std::uint64_t GetChangeSerial() const noexcept;

    // With the restore check on, every bracket also saves the whole document when it opens,
    // and a cancel that does not give exactly that text back aborts the program naming the
    // first line that differs: a mutator that does not note its change is found by any test
    // that cancels it. On by default in checked builds (VIREO_CHECK_CHANGE_JOURNAL).
    void SetRestoreCheck(bool on) noexcept { journal_.SetRestoreCheck(on); }

    // Told of every bracket before it opens (null: nobody); see ChangeObserver.h.
    void SetChangeObserver(DocumentChangeObserver* observer) noexcept { observer_ = observer; }

    // A read-only document refuses change brackets.
    void SetReadOnly(bool readOnly) noexcept { readOnly_ = readOnly; }
    bool IsReadOnly() const noexcept { return readOnly_; }

    void Regenerate3D() noexcept { ++regenerations_; }
    int GetRegenerationCount() const noexcept { return regenerations_; }

    ZKContainer3D& Container3D() noexcept { return container_; }
    ZKContainer3D& Cont3DData() noexcept { return container_; }

    // Document file.
    // One object's entry of the file: its id, class word and state.
    static Vireo::Host::TextNode SaveObject(const CZKObject& object);
    std::string SaveToText() const;
    void SaveToFile(const std::filesystem::path& path) const;
    // Reads a document; throws Vireo::Host::DocumentFormatError naming what is wrong, and
    // then no document exists.
    static std::unique_ptr<CZkw32Doc> LoadFromText(std::string_view text, const ZKObjectFactory& factory);
    static std::unique_ptr<CZkw32Doc> LoadFromFile(const std::filesystem::path& path,
                                                   const ZKObjectFactory& factory);

    // The document that ZKGetActiveDoc reports; a destroyed document stops being active.
    void Activate() noexcept;
    static void DeactivateAll() noexcept;

private:
    // The journal restores objects, the id counter and the removal count on a cancel.
    friend class ChangeJournal;

    Vireo::Host::TextNode SaveNode() const;

    std::map<ZKObjectID, std::unique_ptr<CZKObject>> objects_;
    std::uint64_t nextId_ = 1;
    std::uint64_t removals_ = 0;
    int regenerations_ = 0;
    bool readOnly_ = false;
    DocumentChangeObserver* observer_ = nullptr;
    ChangeJournal journal_;
    ZKContainer3D container_;
};

// True when the holder's document keeps the object with this id (see KeepsObject); a holder
// of no document keeps none.
bool IsKeptObject(const CZKObject& holder, ZKObjectID id);
// The ids among `ids` of objects the holder's document keeps.
std::vector<ZKObjectID> KeptObjectIds(const CZKObject& holder, const std::vector<ZKObjectID>& ids);
// The text of the id of an object the holder's document keeps, "0" for any other id.
std::wstring KeptObjectIdText(const CZKObject& holder, ZKObjectID id);

// The active document, or null. The window argument is unused (the host passes null).
CZkw32Doc* ZKGetActiveDoc(void* window = nullptr);

// Holds the document's regeneration back while objects are made; regenerates on close.
class ZKDocRegenContext {
public:
    explicit ZKDocRegenContext(CZkw32Doc* doc) : doc_(doc) {}
    ~ZKDocRegenContext()
    {
        if (doc_)
            doc_->Regenerate3D();
    }
    ZKDocRegenContext(const ZKDocRegenContext&) = delete;
    ZKDocRegenContext& operator=(const ZKDocRegenContext&) = delete;

private:
    CZkw32Doc* doc_;
};
