#include "platform/host/ChangeJournal.h"

#include "platform/host/DocumentText.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/support/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <unordered_set>

using Vireo::Host::TextNode;

struct ChangeJournal::Frame {
    std::wstring name;
    std::uint64_t nextId = 1;
    std::uint64_t serial = 0;
    // State of each noted object as it was when the bracket opened.
    std::unordered_map<ZKObjectID, TextNode> saved;
    std::unordered_set<ZKObjectID> created;
    // Objects removed inside the bracket, by address: a cancelled bracket may have left an
    // object of the same id among the removed ones.
    std::vector<const CZKObject*> removed;
    std::vector<std::function<void()>> undo;
    // The whole document at open, kept for the restore check only.
    std::string text;
};

ChangeJournal::ChangeJournal(CZkw32Doc& doc) : doc_(doc) {}

ChangeJournal::~ChangeJournal() = default;

bool ChangeJournal::IsOpen() const noexcept
{
    return !frames_.empty();
}

int ChangeJournal::GetDepth() const noexcept
{
    return static_cast<int>(frames_.size());
}

void ChangeJournal::Open(std::wstring_view name)
{
    Frame frame;
    frame.name = name;
    frame.nextId = doc_.nextId_;
    frame.serial = ++lastSerial_;
    if (restoreCheck_)
        frame.text = doc_.SaveToText();
    frames_.push_back(std::move(frame));
}

void ChangeJournal::Keep()
{
    if (frames_.size() == 1)
        undoSteps_.push_back(frames_.back().name);
    CloseFrame(false);
}

void ChangeJournal::Cancel(bool restore)
{
    if (restore) {
        Restore(frames_.back());
        CheckRestored(frames_.back());
    }
    CloseFrame(restore);
}

std::uint64_t ChangeJournal::GetSerial() const noexcept
{
    return frames_.empty() ? 0 : frames_.back().serial;
}

void ChangeJournal::NoteCreated(ZKObjectID id)
{
    if (!frames_.empty())
        frames_.back().created.insert(id);
}

void ChangeJournal::NoteChange(const CZKObject& object)
{
    if (frames_.empty() || restoring_)
        return;
    Frame& frame = frames_.back();
    const ZKObjectID id = object.GetID();
    if (frame.created.contains(id) || frame.saved.contains(id))
        return;
    // An object still being made, or one of another document, has nothing to save here.
    if (doc_.FindObject(id) != &object)
        return;
    frame.saved.emplace(id, CZkw32Doc::SaveObject(object));
}

void ChangeJournal::NoteUndo(std::function<void()> undo)
{
    if (!frames_.empty() && !restoring_ && undo)
        frames_.back().undo.push_back(std::move(undo));
}

void ChangeJournal::NoteRemoved(std::unique_ptr<CZKObject> removed)
{
    if (frames_.empty())
        return;
    frames_.back().removed.push_back(removed.get());
    removed_.push_back(std::move(removed));
}

bool ChangeJournal::KeepsRemoved(ZKObjectID id) const noexcept
{
    return std::any_of(removed_.begin(), removed_.end(), [id](const auto& object) { return object->GetID() == id; });
}

void ChangeJournal::CloseFrame(bool restored)
{
    Frame inner = std::move(frames_.back());
    frames_.pop_back();
    if (frames_.empty()) {
        removed_.clear();
        return;
    }
    if (restored)
        return;
    // What the outer bracket has to bring back of the inner one's changes: objects it
    // neither saved already nor created, in their state at the inner bracket's open, which
    // is their state at its own open since it had not noted them.
    Frame& outer = frames_.back();
    for (auto& [id, state] : inner.saved)
        if (!outer.created.contains(id))
            outer.saved.try_emplace(id, std::move(state));
    outer.created.merge(inner.created);
    outer.removed.insert(outer.removed.end(), inner.removed.begin(), inner.removed.end());
    std::move(inner.undo.begin(), inner.undo.end(), std::back_inserter(outer.undo));
}

void ChangeJournal::Restore(const Frame& frame)
{
    // Loading saved state goes through the same mutators that note changes.
    struct RestoringScope {
        bool& flag;
        explicit RestoringScope(bool& restoring) : flag(restoring) { flag = true; }
        ~RestoringScope() { flag = false; }
    } scope(restoring_);
    auto& objects = doc_.objects_;
    for (const ZKObjectID id : frame.created) {
        if (const auto found = objects.find(id); found != objects.end()) {
            removed_.push_back(std::move(found->second));
            objects.erase(found);
            ++doc_.removals_;
        }
    }
    for (const CZKObject* object : frame.removed) {
        const auto found = std::find_if(removed_.begin(), removed_.end(),
                                        [object](const auto& removed) { return removed.get() == object; });
        if (found == removed_.end() || frame.created.contains(object->GetID()) || objects.contains(object->GetID()))
            continue;
        objects.emplace(object->GetID(), std::move(*found));
        removed_.erase(found);
    }
    // Objects are back in place before any state is loaded: what an object reads may depend
    // on which others exist.
    for (const auto& [id, state] : frame.saved)
        if (CZKObject* object = doc_.FindObject(id))
            object->LoadState(state);
    std::for_each(frame.undo.rbegin(), frame.undo.rend(), [](const auto& undo) { undo(); });
    doc_.nextId_ = frame.nextId;
}

// A journal that missed a change is a programming error that would silently keep a change
// the user cancelled; in a checked run it stops the program at the bracket that shows it.
void ChangeJournal::CheckRestored(const Frame& frame) const
{
    if (!restoreCheck_ || frame.text.empty())
        return;
    const std::string now = doc_.SaveToText();
    if (now == frame.text)
        return;
    // The texts first differ at `at`; report the whole line it falls in, in both.
    const auto at = static_cast<std::size_t>(
        std::mismatch(frame.text.begin(), frame.text.end(), now.begin(), now.end()).first - frame.text.begin());
    const auto lineOf = [at](const std::string& text) {
        const std::size_t begin = text.rfind('\n', at == 0 ? 0 : at - 1) + 1;
        return text.substr(begin, text.find('\n', begin) - begin);
    };
    const auto line = 1 + std::count(frame.text.begin(), frame.text.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    std::fprintf(stderr, "change bracket \"%s\" was not restored: line %ld is \"%s\", was \"%s\"\n",
                 Vireo::Support::WideToUtf8(frame.name).c_str(), static_cast<long>(line), lineOf(now).c_str(),
                 lineOf(frame.text).c_str());
    std::abort();
}
