#pragma once
// Someone watching a long change of a document as it goes: the host program, showing how far a
// transfer has come. Builders open one change bracket per object they make or change, so the
// brackets opened are the work done.
//
// BracketOpening may throw to break the change off: that bracket does not open, and the
// brackets around it unwind and restore the document.

#include <string_view>

class DocumentChangeObserver {
public:
    virtual ~DocumentChangeObserver() = default;
    virtual void BracketOpening(std::wstring_view name) = 0;
};
