#pragma once
// The change journal of a host document: its nesting change brackets, the state each bracket
// saved of the objects changed inside it, the undo steps state recorded for itself and the
// objects removed while a bracket is open, so that a cancel can bring them back.
//
// It is copy-on-write (see Zkw32Doc.h): opening a bracket saves nothing, the innermost
// bracket saves an object's state the first time the object notes a change, and a kept inner
// bracket hands its journal to the one around it.

#include "platform/host/ZKObjectID.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CZKObject;
class CZkw32Doc;

class ChangeJournal {
public:
    explicit ChangeJournal(CZkw32Doc& doc);
    ~ChangeJournal();
    ChangeJournal(const ChangeJournal&) = delete;
    ChangeJournal& operator=(const ChangeJournal&) = delete;

    // Opens a bracket inside the innermost one.
    void Open(std::wstring_view name);
    // Closes the innermost bracket keeping its changes; the outermost becomes an undo step.
    void Keep();
    // Closes the innermost bracket, first restoring the document as it was at its open when
    // `restore` is true.
    void Cancel(bool restore);

    bool IsOpen() const noexcept;
    int GetDepth() const noexcept;
    // Identifies the innermost open bracket (0 when none is open).
    std::uint64_t GetSerial() const noexcept;
    const std::vector<std::wstring>& GetUndoSteps() const noexcept { return undoSteps_; }

    // What happens to the document inside the innermost bracket; outside brackets, and while
    // a cancel restores the document, nothing is noted.
    void NoteCreated(ZKObjectID id);
    void NoteChange(const CZKObject& object);
    void NoteUndo(std::function<void()> undo);
    // Takes a removed object and keeps it until the outermost bracket closes.
    void NoteRemoved(std::unique_ptr<CZKObject> removed);
    // True for an object removed inside a bracket that is still open.
    bool KeepsRemoved(ZKObjectID id) const noexcept;

    void SetRestoreCheck(bool on) noexcept { restoreCheck_ = on; }

private:
    struct Frame;

    void Restore(const Frame& frame);
    void CheckRestored(const Frame& frame) const;
    // Pops the innermost bracket; unless it was restored, an outer bracket takes over its
    // journal.
    void CloseFrame(bool restored);

    CZkw32Doc& doc_;
    std::vector<std::unique_ptr<CZKObject>> removed_;
    std::vector<Frame> frames_;
    std::vector<std::wstring> undoSteps_;
    std::uint64_t lastSerial_ = 0;
    bool restoring_ = false;
#ifdef VIREO_CHECK_CHANGE_JOURNAL
    bool restoreCheck_ = true;
#else
    bool restoreCheck_ = false;
#endif
};
