#include "platform/qtui/internal/ObjectChooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace Vireo::QtUi {
namespace {

QString entryText(const Ui::ObjectChoice& object)
{
    const std::wstring name = object.name.empty() ? L"(no name)" : object.name;
    return QString::fromStdWString(name + L"   [" + object.className + L", " + std::to_wstring(object.id) + L"]");
}

} // namespace

std::optional<std::size_t> ChooseObjectInWindow(QWidget* parent, const Ui::ReferenceChoice& reference,
                                                std::wstring_view filterText,
                                                std::span<const Ui::ObjectChoice> objects)
{
    QDialog window(parent);
    window.setWindowTitle(QString::fromStdWString(L"Choose an object of " + reference.name));
    window.resize(520, 400);
    auto* layout = new QVBoxLayout(&window);
    const QString selection = filterText.empty()
                                  ? QStringLiteral("All objects of the reference")
                                  : QStringLiteral("Objects that match: ") +
                                        QString::fromStdWString(std::wstring(filterText));
    auto* caption = new QLabel(selection, &window);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    auto* list = new QListWidget(&window);
    for (const Ui::ObjectChoice& object : objects)
        list->addItem(entryText(object));
    layout->addWidget(list, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &window);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    QObject::connect(list, &QListWidget::currentRowChanged, buttons,
                     [buttons](int row) { buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    if (window.exec() != QDialog::Accepted || list->currentRow() < 0)
        return std::nullopt;
    return static_cast<std::size_t>(list->currentRow());
}

} // namespace Vireo::QtUi
