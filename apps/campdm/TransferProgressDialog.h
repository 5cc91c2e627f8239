#pragma once
// The workbench's progress dialog for a long transfer: the objects done (of how many, when that
// is known) and a Cancel button that stops the transfer. It shows itself only when the transfer
// takes a moment, and keeps the window answering while the transfer runs.

#include "TransferProgress.h"

#include <QString>

#include <chrono>

class QProgressDialog;
class QWidget;

namespace Campdm {

class TransferProgressDialog : public ProgressView {
public:
    TransferProgressDialog(QWidget& parent, const QString& what);
    ~TransferProgressDialog() override;
    TransferProgressDialog(const TransferProgressDialog&) = delete;
    TransferProgressDialog& operator=(const TransferProgressDialog&) = delete;

    void Show(std::size_t done, std::optional<std::size_t> total) override;
    bool StopRequested() const override;

private:
    QProgressDialog* dialog_; // owned by the parent until this is destroyed
    QString what_;
    std::chrono::steady_clock::time_point start_;
};

} // namespace Campdm
