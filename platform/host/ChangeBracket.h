#pragma once
// A change bracket of a host document that cannot be left open.
//
// It opens the bracket with its undo-step name; Keep() closes it keeping the changes and
// regenerates the model; leaving the scope without Keep() cancels it and restores the
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

    // Closes the bracket keeping its changes, then regenerates the model.
    void Keep()
    {
        if (!open_)
            return;
        open_ = false;
        doc_->EndChanges(true, false);
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
