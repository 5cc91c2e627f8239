#include "TransferProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <limits>

namespace Campdm {
namespace {

constexpr auto showAfter = std::chrono::milliseconds(400);

} // namespace

TransferProgressDialog::TransferProgressDialog(QWidget& parent, const QString& what)
    : dialog_(new QProgressDialog(what, QStringLiteral("Cancel"), 0, 0, &parent)), what_(what),
      start_(std::chrono::steady_clock::now())
{
    dialog_->setObjectName(QStringLiteral("transferProgress"));
    dialog_->setWindowTitle(QStringLiteral("campdm"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    // Shown when the transfer takes a moment (below), not by the dialog's own estimate.
    dialog_->setMinimumDuration(std::numeric_limits<int>::max());
    dialog_->reset();
}

TransferProgressDialog::~TransferProgressDialog()
{
    delete dialog_;
}

void TransferProgressDialog::Show(std::size_t done, std::optional<std::size_t> total)
{
    if (total) {
        dialog_->setMaximum(static_cast<int>(*total));
        dialog_->setValue(static_cast<int>(done));
        dialog_->setLabelText(what_ + QStringLiteral(": %1 of %2 objects").arg(done).arg(*total));
    } else {
        dialog_->setLabelText(what_ + QStringLiteral(": %1 objects").arg(done));
    }
    if (!dialog_->isVisible() && std::chrono::steady_clock::now() - start_ >= showAfter)
        dialog_->show();
    // Until the dialog blocks the window, the window takes no clicks: a command must not start
    // another inside it.
    QCoreApplication::processEvents(dialog_->isVisible() ? QEventLoop::AllEvents
                                                         : QEventLoop::ExcludeUserInputEvents);
}

bool TransferProgressDialog::StopRequested() const
{
    return dialog_->wasCanceled();
}

} // namespace Campdm
