#include "TransferProgress.h"

#include "platform/arbor/ServerConnection.h"
#include "platform/host/Zkw32Doc.h"

namespace Campdm {

TransferProgress::TransferProgress(CZkw32Doc& document, Vireo::Arbor::Model::ServerConnection& pdm,
                                   std::optional<std::size_t> total, ProgressView& view)
    : document_(document), pdm_(pdm), total_(total), view_(view)
{
    document_.SetChangeObserver(this);
    pdm_.SetSaveObserver(this);
}

TransferProgress::~TransferProgress()
{
    document_.SetChangeObserver(nullptr);
    pdm_.SetSaveObserver(nullptr);
}

void TransferProgress::BracketOpening(std::wstring_view /*name*/)
{
    step();
}

void TransferProgress::ObjectSaved(const Vireo::Arbor::Model::ReferenceObject& /*object*/)
{
    step();
}

void TransferProgress::step()
{
    if (stopped_)
        throw TransferStopped();
    ++done_;
    // A total counted up front may miss what the rules add (shared objects, links).
    if (total_ && done_ > *total_)
        total_ = done_;
    view_.Show(done_, total_);
    if (view_.StopRequested()) {
        stopped_ = true;
        throw TransferStopped();
    }
}

} // namespace Campdm
