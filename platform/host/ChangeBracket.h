#pragma once
// A change bracket of a host document that cannot be left open.
//
// It opens the bracket with its undo-step name; Keep() closes it keeping the changes and
// regenerates the model (or, when asked, leaves the model to the caller); leaving the scope without Keep() cancels it and restores the
// document. A bracket that did not open (no document, a read-only document) is not open,
// and closing it does nothing. It lives on the stack of the action it brackets: it cannot
// be copied, moved or allocated on the heap.

#include "platform/host/Zkw32Doc.h"

#include <cstddef>
#include <string_view>

class ChangeBracket {
public:
    ChangeBracket(CZkw32Doc* doc, std::wstring_view name) : doc_(doc), open_(doc && doc->BeginChanges(name)) {}
    ~ChangeBracket() { Cancel(); }
    ChangeBracket(const ChangeBracket&) = delete;
    ChangeBracket& operator=(const ChangeBracket&) = delete;
    static void* operator new(std::size_t) = delete;
    static void* operator new[](std::size_t) = delete;

    bool IsOpen() const noexcept { return open_; }

    // What a kept bracket does to the model: a bracket nested in a run that regenerates once
    // at its end keeps without regenerating.
    enum class AfterKeep { Regenerate, LeaveModel };

    // Closes the bracket keeping its changes, then regenerates the model unless told not to.
    void Keep(AfterKeep after = AfterKeep::Regenerate)
    {
        if (!open_)
            return;
        open_ = false;
        doc_->EndChanges(true, false);
        if (after == AfterKeep::Regenerate)
            doc_->Regenerate3D();
    }
    // Closes the bracket and restores the document as it was when the bracket opened.
    void Cancel()
    {
        if (!open_)
            return;
        open_ = false;
        doc_->CancelChanges(true);
    }

private:
    CZkw32Doc* doc_;
    bool open_;
};
