#pragma once
// The base of every host document object: id, host type code, name, text attributes and icon.

#include "platform/host/ZKObjectID.h"

#include <map>
#include <string>
#include <string_view>

class CZkw32Doc;
namespace Vireo::Host {
struct TextNode;
}

class CZKObject {
public:
    // An object of `doc`, or a free-standing one when `doc` is null.
    explicit CZKObject(CZkw32Doc* doc = nullptr) : document_(doc) {}
    virtual ~CZKObject();
    CZKObject(const CZKObject&) = delete;
    CZKObject& operator=(const CZKObject&) = delete;

    ZKObjectID GetID() const noexcept { return id_; }
    // Sets the id of an object that does not belong to a document yet.
    void SetID(ZKObjectID id) noexcept { id_ = id; }

    // The host type code (see HostObjectTypes.h).
    virtual int GetObjType() const = 0;
    // The host icon resource of this kind of object.
    virtual unsigned GetIconID() const { return 0; }

    virtual std::wstring GetName() const { return name_; }
    virtual void SetName(std::wstring_view name);

    // Named text attributes. Those set with `inDocument` belong to the document: they are
    // saved and restored by change brackets; the others live with the object in memory only.
    std::wstring GetTextAttrib(std::wstring_view name) const;
    bool HasTextAttrib(std::wstring_view name) const;
    bool SetTextAttrib(std::wstring_view name, std::wstring_view text, bool inDocument);
    // Removes the attribute; true when there was one.
    bool DeleteAttrib(std::wstring_view name, bool inDocument = true);
    const std::map<std::wstring, std::wstring, std::less<>>& GetDocumentAttribs() const noexcept
    {
        return attributes_;
    }

    // Tells the document that this object is about to change, so that an open change bracket
    // can bring it back (see Zkw32Doc.h). Every mutator calls it before changing anything, and
    // so does every non-const accessor that hands out inner state.
    void NoteChange() const;

    CZkw32Doc* GetDocumentPtr() const noexcept { return document_; }
    CZkw32Doc* GetDocument() const noexcept { return document_; }

    // Document file: the word naming the class, and the object's own lines. Derived classes
    // call the base first; LoadState replaces the whole state and throws
    // Vireo::Host::DocumentFormatError naming the line on bad input.
    virtual std::wstring_view GetClassTag() const = 0;
    virtual void SaveState(Vireo::Host::TextNode& node) const;
    virtual void LoadState(const Vireo::Host::TextNode& node);

private:
    friend class CZkw32Doc;

    CZkw32Doc* document_;
    ZKObjectID id_;
    std::wstring name_;
    std::map<std::wstring, std::wstring, std::less<>> attributes_;
    std::map<std::wstring, std::wstring, std::less<>> transientAttributes_;
};
