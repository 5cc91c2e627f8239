#include "platform/host/Zkw32Doc.h"

#include "platform/host/DocumentText.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/host/HostObjects.h"
#include "platform/support/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

using Vireo::Host::DocumentFormatError;
using Vireo::Host::TextNode;

namespace {

CZkw32Doc* activeDocument = nullptr;

constexpr std::wstring_view headerKey = L"vireo-document";
constexpr std::wstring_view formatVersion = L"1";

// Every line of a loaded object must be one its class writes: anything else is misspelt or
// misplaced, and silently dropping it would lose data on the next save.
void checkKnownLines(const CZKObject& object, const TextNode& loaded)
{
    const TextNode saved = CZkw32Doc::SaveObject(object);
    std::set<std::wstring> written;
    for (const TextNode& child : saved.children)
        written.insert(child.key);
    for (const TextNode& child : loaded.children)
        if (!written.contains(child.key))
            child.Fail("unknown line \"" + Vireo::Support::WideToUtf8(child.key) + "\" in a " +
                       Vireo::Support::WideToUtf8(object.GetClassTag()));
}

} // namespace

std::unique_ptr<CZKObject> MakeHostObject(std::wstring_view classTag, CZkw32Doc& doc)
{
    if (classTag == L"Material")
        return std::make_unique<DocumentMaterial>(&doc);
    if (classTag == L"Solid")
        return std::make_unique<CZKSolid>(&doc);
    if (classTag == L"Workplane")
        return std::make_unique<CZKWorkplane>(&doc);
    return nullptr;
}

DocumentMaterial* ZKMaterialList::Add(std::unique_ptr<DocumentMaterial> material)
{
    return static_cast<DocumentMaterial*>(doc_.AddObject(std::move(material)));
}

std::vector<DocumentMaterial*> ZKMaterialList::GetAll() const
{
    std::vector<DocumentMaterial*> all;
    for (CZKObject* object : doc_.GetObjects())
        if (auto* material = dynamic_cast<DocumentMaterial*>(object))
            all.push_back(material);
    return all;
}

CZKObject* ZKContainer3D::FindMaterial(std::wstring_view name) const
{
    for (DocumentMaterial* material : materials_.GetAll())
        if (material->GetMaterialName() == name)
            return material;
    return nullptr;
}

CZkw32Doc::CZkw32Doc() : journal_(*this), container_(*this) {}

TextNode CZkw32Doc::SaveObject(const CZKObject& object)
{
    TextNode node(L"object", {object.GetID().toString(), std::wstring(object.GetClassTag())});
    object.SaveState(node);
    return node;
}

CZkw32Doc::~CZkw32Doc()
{
    if (activeDocument == this)
        activeDocument = nullptr;
}

CZKObject* CZkw32Doc::AddObject(std::unique_ptr<CZKObject> object)
{
    if (!object)
        return nullptr;
    object->document_ = this;
    if (object->GetID().IsNull() || objects_.contains(object->GetID()))
        object->SetID(NewObjectID());
    nextId_ = std::max(nextId_, object->GetID().Value() + 1);
    CZKObject* added = object.get();
    objects_.emplace(added->GetID(), std::move(object));
    journal_.NoteCreated(added->GetID());
    return added;
}

bool CZkw32Doc::RemoveObject(CZKObject* object)
{
    // Found by address, so that a pointer to an object already gone is answered, not read.
    const auto found = std::find_if(objects_.begin(), objects_.end(),
                                    [object](const auto& entry) { return entry.second.get() == object; });
    if (!object || found == objects_.end())
        return false;
    // Saved first: a removed object may still be changed through pointers held to it.
    NoteChange(*object);
    std::unique_ptr<CZKObject> removed = std::move(found->second);
    objects_.erase(found);
    ++removals_;
    journal_.NoteRemoved(std::move(removed));
    return true;
}

CZKObject* CZkw32Doc::FindObject(ZKObjectID id) const noexcept
{
    const auto found = objects_.find(id);
    return found == objects_.end() ? nullptr : found->second.get();
}

bool CZkw32Doc::KeepsObject(ZKObjectID id) const noexcept
{
    return objects_.contains(id) || journal_.KeepsRemoved(id);
}

bool IsKeptObject(const CZKObject& holder, ZKObjectID id)
{
    const CZkw32Doc* doc = holder.GetDocumentPtr();
    return !id.IsNull() && doc && doc->KeepsObject(id);
}

std::vector<ZKObjectID> KeptObjectIds(const CZKObject& holder, const std::vector<ZKObjectID>& ids)
{
    std::vector<ZKObjectID> kept;
    std::copy_if(ids.begin(), ids.end(), std::back_inserter(kept),
                 [&holder](ZKObjectID id) { return IsKeptObject(holder, id); });
    return kept;
}

std::wstring KeptObjectIdText(const CZKObject& holder, ZKObjectID id)
{
    return IsKeptObject(holder, id) ? id.toString() : L"0";
}

std::vector<CZKObject*> CZkw32Doc::GetObjects() const
{
    std::vector<CZKObject*> all;
    all.reserve(objects_.size());
    for (const auto& [id, object] : objects_)
        all.push_back(object.get());
    return all;
}

ZKObjectID CZkw32Doc::NewObjectID() noexcept
{
    return ZKObjectID(nextId_++);
}

bool CZkw32Doc::IsChanging() const noexcept
{
    return journal_.IsOpen();
}

int CZkw32Doc::GetChangeDepth() const noexcept
{
    return journal_.GetDepth();
}

bool CZkw32Doc::BeginChanges(std::wstring_view name)
{
    if (readOnly_)
        return false;
    if (observer_)
        observer_->BracketOpening(name);
    journal_.Open(name);
    return true;
}

bool CZkw32Doc::EndChanges(bool keep, bool regenerate)
{
    if (!IsChanging())
        return false;
    if (!keep)
        return CancelChanges(true);
    journal_.Keep();
    if (regenerate)
        Regenerate3D();
    return true;
}

bool CZkw32Doc::CancelChanges(bool restore)
{
    if (!IsChanging())
        return false;
    journal_.Cancel(restore);
    return true;
}

std::uint64_t CZkw32Doc::GetChangeSerial() const noexcept
{
    return journal_.GetSerial();
}

void CZkw32Doc::NoteChange(const CZKObject& object)
{
    journal_.NoteChange(object);
}

void CZkw32Doc::NoteUndo(std::function<void()> undo)
{
    journal_.NoteUndo(std::move(undo));
}

TextNode CZkw32Doc::SaveNode() const
{
    TextNode root;
    root.Add(std::wstring(headerKey), {std::wstring(formatVersion)});
    root.Add(L"next-id", {std::to_wstring(nextId_)});
    for (const auto& [id, object] : objects_)
        root.children.push_back(SaveObject(*object));
    return root;
}

std::string CZkw32Doc::SaveToText() const
{
    return Vireo::Host::WriteText(SaveNode());
}

void CZkw32Doc::SaveToFile(const std::filesystem::path& path) const
{
    const std::string text = SaveToText();
    // Written beside the file and renamed over it: a process killed while saving leaves the
    // old file or the new one, never a mix of both.
    std::filesystem::path temporary = path;
    temporary += ".saving";
    std::error_code ignored;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file || !file.write(text.data(), static_cast<std::streamsize>(text.size())) || !file.flush()) {
            std::filesystem::remove(temporary, ignored);
            throw std::runtime_error("cannot write the document file \"" + path.string() + "\"");
        }
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        std::filesystem::remove(temporary, ignored);
        throw std::runtime_error("cannot write the document file \"" + path.string() + "\": " + renamed.message());
    }
}

std::unique_ptr<CZkw32Doc> CZkw32Doc::LoadFromText(std::string_view text, const ZKObjectFactory& factory)
{
    const TextNode root = Vireo::Host::ParseText(text);
    if (root.children.empty() || root.children.front().key != headerKey)
        throw DocumentFormatError("line 1: the text does not start with \"vireo-document\"");
    const TextNode& header = root.children.front();
    header.ExpectArgs(1);
    if (header.args[0] != formatVersion)
        header.Fail("unknown document version " + Vireo::Support::WideToUtf8(header.args[0]));

    auto doc = std::make_unique<CZkw32Doc>();
    std::uint64_t nextId = 0;
    bool haveNextId = false;
    for (std::size_t i = 1; i < root.children.size(); ++i) {
        const TextNode& node = root.children[i];
        if (node.key == L"next-id") {
            node.ExpectArgs(1);
            const std::int64_t value = node.ArgInteger(0);
            if (value < 1 || haveNextId)
                node.Fail(haveNextId ? "a second \"next-id\"" : "\"next-id\" must be positive");
            nextId = static_cast<std::uint64_t>(value);
            haveNextId = true;
            continue;
        }
        if (node.key != L"object")
            node.Fail("unknown line \"" + Vireo::Support::WideToUtf8(node.key) + "\"");
        node.ExpectArgs(2);
        const std::int64_t id = node.ArgInteger(0);
        if (id < 1)
            node.Fail("an object id must be positive");
        if (doc->objects_.contains(ZKObjectID(static_cast<std::uint64_t>(id))))
            node.Fail("a second object with id " + std::to_string(id));
        std::unique_ptr<CZKObject> object = factory ? factory(node.args[1], *doc) : nullptr;
        if (!object)
            node.Fail("unknown object class \"" + Vireo::Support::WideToUtf8(node.args[1]) + "\"");
        object->SetID(ZKObjectID(static_cast<std::uint64_t>(id)));
        object->LoadState(node);
        doc->AddObject(std::move(object));
    }
    // Checked once every object exists: some lines are written only for objects that do.
    for (std::size_t i = 1; i < root.children.size(); ++i)
        if (const TextNode& node = root.children[i]; node.key == L"object")
            checkKnownLines(*doc->FindObject(ZKObjectID(static_cast<std::uint64_t>(node.ArgInteger(0)))), node);
    if (!haveNextId)
        throw DocumentFormatError("the document has no \"next-id\" line");
    if (nextId < doc->nextId_)
        throw DocumentFormatError("\"next-id\" " + std::to_string(nextId) + " is not above every object id");
    doc->nextId_ = nextId;
    return doc;
}

std::unique_ptr<CZkw32Doc> CZkw32Doc::LoadFromFile(const std::filesystem::path& path, const ZKObjectFactory& factory)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw DocumentFormatError("cannot read the document file \"" + path.string() + "\"");
    std::ostringstream text;
    text << file.rdbuf();
    try {
        return LoadFromText(text.str(), factory);
    } catch (const DocumentFormatError& error) {
        throw DocumentFormatError(path.filename().string() + ": " + error.what());
    }
}

void CZkw32Doc::Activate() noexcept
{
    activeDocument = this;
}

void CZkw32Doc::DeactivateAll() noexcept
{
    activeDocument = nullptr;
}

CZkw32Doc* ZKGetActiveDoc(void* /*window*/)
{
    return activeDocument;
}
