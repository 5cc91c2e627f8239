#include "WorkbenchUiDriver.h"

#include <QApplication>
#include <QInputDialog>

namespace Campdm {

std::optional<std::size_t> WorkbenchUiDriver::ChooseReference(HWND /*owner*/,
                                                              std::span<const Vireo::Ui::ReferenceChoice> references)
{
    QStringList names;
    for (const auto& reference : references)
        names << QString::fromStdWString(reference.name);
    bool chosen = false;
    const QString name = QInputDialog::getItem(QApplication::activeWindow(), QStringLiteral("PDM"),
                                               QStringLiteral("Reference:"), names, 0, false, &chosen);
    if (!chosen)
        return std::nullopt;
    return static_cast<std::size_t>(names.indexOf(name));
}

} // namespace Campdm
