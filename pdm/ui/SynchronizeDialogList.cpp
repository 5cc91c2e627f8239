// The dialog's object list: one row per CAM object with its comparison, the parameter rows
// under it, the bookkeeping of rows and records, and the selection that enables the buttons.

#include "pdm/ui/SynchronizeDialog.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/links/ObjectId.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/cam/Model.h"

#include <stdexcept>
#include <type_traits>

namespace Vireo::Cam::Pdm {
namespace {

const std::vector<int> iconSizes{16, 24, 32};

// The object's "Name" when it is a string; empty otherwise.
std::wstring nameOf(const CamObject& object)
{
    const CamValuePtr name = CamObjectManager(object).GetValue(CamConsts::AnyObjectInfo::Name);
    const Cam::StringValue* text = name ? name->AsString() : nullptr;
    return text ? text->GetValue() : std::wstring();
}

// Compares with the linked PDM object, or without a link with the object's rules; nothing
// when the comparison cannot be built.
std::optional<PdmCamComparator> compare(const CamObject& object, const std::optional<ObjectId>& link)
{
    if (link) {
        const auto [referenceId, objectId] = *link;
        PdmCamComparator linked(objectId, referenceId, object);
        if (IntegrationManager().MakeData(linked))
            return linked;
    }
    PdmCamComparator alone(object);
    if (IntegrationManager().MakeData(alone))
        return alone;
    return std::nullopt;
}

} // namespace

template <class T>
int SynchronizeDialog::addCamObject(const std::vector<T*>& objects, Folders folder, int row)
{
    for (T* typed : objects) {
        const CamObject object(static_cast<CZKObject*>(typed));
        std::optional<AddedObjectRow> added = addObjectRow(object, static_cast<int>(folder));
        if (!added)
            continue;
        if constexpr (std::is_same_v<T, Cam::Tool>)
            addToolParts(object, added->row);
        addParameterRows(_list->GetRowId(added->row), std::move(added->parameters));
        row = _list->GetRowCount();
    }
    return row;
}

template int SynchronizeDialog::addCamObject(const std::vector<Cam::MachiningProject*>&, Folders, int);
template int SynchronizeDialog::addCamObject(const std::vector<Cam::MachiningGroup*>&, Folders, int);
template int SynchronizeDialog::addCamObject(const std::vector<Cam::Machining*>&, Folders, int);
template int SynchronizeDialog::addCamObject(const std::vector<Cam::Tool*>&, Folders, int);
template int SynchronizeDialog::addCamObject(const std::vector<Cam::Stock*>&, Folders, int);
template int SynchronizeDialog::addCamObject(const std::vector<Cam::Part*>&, Folders, int);
template int SynchronizeDialog::addCamObject(const std::vector<Cam::Fixture*>&, Folders, int);

// A tool's parts come right after it, each followed by its own parts, their parameters and
// then its parameters: the tool's parameters close the block.
void SynchronizeDialog::addToolParts(const CamObject& tool, int toolRow)
{
    for (const CamObject& part : CamObjectManager(tool).GetChildCamObjects(false)) {
        std::optional<AddedObjectRow> partRow = addObjectRow(part, toolRow);
        if (!partRow)
            continue;
        for (const CamObject& item : CamObjectManager(part).GetChildCamObjects(false)) {
            if (std::optional<AddedObjectRow> itemRow = addObjectRow(item, partRow->row))
                addParameterRows(_list->GetRowId(itemRow->row), std::move(itemRow->parameters));
        }
        addParameterRows(_list->GetRowId(partRow->row), std::move(partRow->parameters));
    }
}

std::optional<SynchronizeDialog::AddedObjectRow> SynchronizeDialog::addObjectRow(const CamObject& object, int parentRow)
{
    const std::wstring link = CamObjectManager::GetUri(object);
    std::optional<ObjectId> linkedId;
    try {
        linkedId = GetObjectIdFromUri(link);
    } catch (const std::range_error&) {
        // A link whose escapes are no text is no valid link.
    }
    std::optional<PdmCamComparator> comparison = compare(object, linkedId);
    if (!comparison)
        return std::nullopt;
    zkpf::CheckState status = linkedId ? zkpf::CheckState::ThirdState : zkpf::CheckState::Unchecked;
    if (!comparison->IsDifferent())
        status = zkpf::CheckState::Checked;
    if (status == zkpf::CheckState::Unchecked && comparison->GetParameters().empty())
        return std::nullopt;

    const int row = _list->AppendRow(parentRow);
    _list->SetText(row, NameColumn, nameOf(object));
    _list->SetText(row, LinkColumn, link);
    _list->SetImage(row, CamObjectManager::GetIcon(object, iconSizes));
    const RowId id = nextRowId(row);
    _list->SetCheckState(row, StatusColumn, status);
    _list->SetCheckEditable(row, StatusColumn, false);

    _objects[_list->GetRowId(parentRow)].children.push_back(id);
    _objects[id].object = object;
    return AddedObjectRow{row, comparison->TakeParameters()};
}

void SynchronizeDialog::addParameterRows(RowId objectRow, std::vector<Parameter> parameters)
{
    auto& rows = _objects[objectRow].parameters;
    rows.reserve(rows.size() + parameters.size());
    for (Parameter& parameter : parameters) {
        const bool equal = IsEqualCamBaseValue(parameter.camValue.get(), parameter.pdmValue.get());
        const RowId id = appendParameterRow(objectRow, parameter.name, parameter.camValue.get(), equal);
        rows.emplace_back(id, std::move(parameter));
    }
}

SynchronizeDialog::RowId SynchronizeDialog::appendParameterRow(RowId objectRow, const std::wstring& name,
                                                               const Cam::BaseValue* shown, bool equal)
{
    const int row = _list->AppendRow(_list->GetRowById(objectRow));
    _list->SetText(row, NameColumn, name);
    _list->SetText(row, ValueColumn, shown ? FromCamBaseValue(*shown) : std::wstring());
    _list->SetImage(row, _parameterImage);
    _list->SetCheckState(row, StatusColumn, equal ? zkpf::CheckState::Checked : zkpf::CheckState::Unchecked);
    _list->SetCheckState(row, FilterColumn, zkpf::CheckState::Unchecked);
    _list->SetCheckEditable(row, StatusColumn, false);
    return nextRowId(row);
}

void SynchronizeDialog::removeParameterRows(ObjectRecord& record)
{
    for (const auto& [id, parameter] : record.parameters)
        if (const int row = _list->GetRowById(id); row >= 0)
            _list->RemoveRow(row);
    record.parameters.clear();
}

int SynchronizeDialog::getCurrentObjectRow() const
{
    const int row = _list->GetSelectedRow();
    if (row < FolderCount)
        return -1;
    if (_objects.contains(_list->GetRowId(row)))
        return row;
    return _list->GetParentRow(row);
}

int SynchronizeDialog::getCurrentFolderRow() const
{
    int row = _list->GetSelectedRow();
    while (row >= FolderCount)
        row = _list->GetParentRow(row);
    return row >= 0 ? row : -1;
}

void SynchronizeDialog::selectionChanged()
{
    const int row = getCurrentObjectRow();
    const bool linked = row >= 0 && statusOf(row) != zkpf::CheckState::Unchecked;
    const bool unlinked = row >= 0 && !linked;
    _showLinkButton->SetEnabled(linked);
    _updateLinkButton->SetEnabled(linked);
    _deleteLinkButton->SetEnabled(linked);
    _findLinkButton->SetEnabled(unlinked);
    _addLinkButton->SetEnabled(unlinked);
}

zkpf::CheckState SynchronizeDialog::statusOf(int row) const
{
    return _list->GetCheckState(row, StatusColumn).value_or(zkpf::CheckState::Unchecked);
}

} // namespace Vireo::Cam::Pdm
