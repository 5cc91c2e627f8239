#pragma once
// How far a long transfer has come, counted by the host as it happens: change brackets opening
// on the CAM document (an import or an update from the PDM opens one per object) and objects
// saved in the PDM (an export or an update of the PDM saves each whole), against a total
// counted up front when there is one. The plug-in's builders are not touched: the count comes
// from the document and the connection.
//
// A view that asks to stop breaks the transfer off with TransferStopped, thrown at the next
// bracket or save: the change brackets on the way restore the document; PDM objects saved
// before stay, each whole.

#include "platform/arbor/SaveObserver.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/host/ChangeObserver.h"

#include <cstddef>
#include <optional>

class CZkw32Doc;

namespace Campdm {

class ProgressView {
public:
    virtual ~ProgressView() = default;
    // `total`: none when it is not known up front.
    virtual void Show(std::size_t done, std::optional<std::size_t> total) = 0;
    virtual bool StopRequested() const { return false; }
};

// Not a std::exception: no builder may take it for a failure of its own and go on.
struct TransferStopped {};

class TransferProgress : DocumentChangeObserver, Vireo::Arbor::Model::SaveObserver {
public:
    // Watches the document and the connection until destroyed.
    TransferProgress(CZkw32Doc& document, Vireo::Arbor::Model::ServerConnection& pdm,
                     std::optional<std::size_t> total, ProgressView& view);
    ~TransferProgress();
    TransferProgress(const TransferProgress&) = delete;
    TransferProgress& operator=(const TransferProgress&) = delete;

    bool Stopped() const noexcept { return stopped_; }

private:
    void BracketOpening(std::wstring_view name) override;
    void ObjectSaved(const Vireo::Arbor::Model::ReferenceObject& object) override;
    void step();

    CZkw32Doc& document_;
    Vireo::Arbor::Model::ServerConnection& pdm_;
    std::optional<std::size_t> total_;
    ProgressView& view_;
    std::size_t done_ = 0;
    bool stopped_ = false;
};

} // namespace Campdm
