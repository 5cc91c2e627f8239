// The dialog's link operations. They change the list only and record the object rows whose
// link or values apply writes back into the CAM objects, in one change bracket.

#include "pdm/ui/SynchronizeDialog.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamFilterCreator.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/links/Guid.h"
#include "pdm/links/Uri.h"
#include "pdm/rules/CamRuleNameCreator.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/ServerGateway.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/pdmproxy/ZKPDMWorkMix.h"
#include "platform/ui/ShellApi.h"

#include <cstddef>
#include <deque>

namespace Vireo::Cam::Pdm {
namespace {

using RuleNames = std::vector<std::pair<std::wstring, std::wstring>>;

// The PDM proxy's handle of the reference whose GUID a rule names; null when there is none.
ZKPDMHandle<ZKPDMReferenceProxy> referenceOf(const std::wstring& datasetGuid)
{
    const ZKPDMHandle<ZKPDMServicesProxy> services = ZKPDMWorkMix::Instance().Services();
    if (services.isNull())
        return {};
    return services->GetReference(ToNetGuid(datasetGuid));
}

} // namespace

void SynchronizeDialog::showLink()
{
    const int row = getCurrentObjectRow();
    if (row < 0)
        return;
    const std::wstring* link = _list->GetText(row, LinkColumn);
    if (!link)
        return;
    const Uri uri(*link);
    if (uri.GetScheme() == L"arbor" && uri.GetPath() == L"/OpenReferenceWindow/")
        ShellExecuteW(nullptr, nullptr, link->c_str(), nullptr, nullptr, SW_SHOW);
}

bool SynchronizeDialog::updateFromRowLink(RowId rowId)
{
    const auto found = _objects.find(rowId);
    if (found == _objects.end())
        return false;
    const int row = _list->GetRowById(rowId);
    if (row < 0 || statusOf(row) == zkpf::CheckState::Unchecked)
        return false;
    enum class Seen { Nothing, AllWithPdmValue, SomeWithout } seen = Seen::Nothing;
    for (const auto& [parameterId, parameter] : found->second.parameters) {
        if (parameter && parameter->pdmValue) {
            if (seen == Seen::Nothing)
                seen = Seen::AllWithPdmValue;
            const int parameterRow = _list->GetRowById(parameterId);
            _list->SetText(parameterRow, ValueColumn, FromCamBaseValue(*parameter->pdmValue));
            _list->SetCheckState(parameterRow, StatusColumn, zkpf::CheckState::Checked);
        } else if (seen == Seen::AllWithPdmValue) {
            seen = Seen::SomeWithout;
        }
    }
    if (seen == Seen::AllWithPdmValue)
        _list->SetCheckState(row, StatusColumn, zkpf::CheckState::Checked);
    _changedRows.insert(rowId);
    return true;
}

void SynchronizeDialog::updateFromLink()
{
    const int row = getCurrentObjectRow();
    if (row < 0)
        return;
    updateFromRowLink(_list->GetRowId(row));
    afterListChange();
}

void SynchronizeDialog::updateNodeFromLink()
{
    const int folderRow = getCurrentFolderRow();
    if (folderRow < 0)
        return;
    const auto folder = _objects.find(_list->GetRowId(folderRow));
    if (folder == _objects.end())
        return;
    updateFromQueue(folder->second.children);
}

void SynchronizeDialog::updateAllFromLink()
{
    std::vector<RowId> queue;
    for (RowId folder = 0; folder < FolderCount; ++folder)
        if (const auto found = _objects.find(folder); found != _objects.end())
            queue.insert(queue.end(), found->second.children.begin(), found->second.children.end());
    updateFromQueue(std::move(queue));
}

// Breadth first: every object of the first level before the parts of any tool.
void SynchronizeDialog::updateFromQueue(std::vector<RowId> start)
{
    std::deque<RowId> queue(start.begin(), start.end());
    while (!queue.empty()) {
        const RowId rowId = queue.front();
        queue.pop_front();
        if (const auto found = _objects.find(rowId); found != _objects.end())
            queue.insert(queue.end(), found->second.children.begin(), found->second.children.end());
        updateFromRowLink(rowId);
    }
    afterListChange();
}

void SynchronizeDialog::removeLink()
{
    const int row = getCurrentObjectRow();
    if (row < 0)
        return;
    const RowId rowId = _list->GetRowId(row);
    const auto found = _objects.find(rowId);
    if (found == _objects.end())
        return;
    PdmCamComparator alone(found->second.object);
    if (!IntegrationManager().MakeData(alone))
        return;
    removeParameterRows(found->second);
    for (Parameter& parameter : alone.TakeParameters()) {
        const RowId id = appendParameterRow(rowId, parameter.name, parameter.camValue.get(), false);
        found->second.parameters.emplace_back(id, std::move(parameter));
    }
    const int objectRow = _list->GetRowById(rowId);
    _list->SetText(objectRow, LinkColumn, L"");
    _list->SetCheckState(objectRow, StatusColumn, zkpf::CheckState::Unchecked);
    _changedRows.insert(rowId);
    afterListChange();
}

void SynchronizeDialog::findLink()
{
    addLinkToObject(*_findLinkButton, true);
}

void SynchronizeDialog::addLink()
{
    addLinkToObject(*_addLinkButton, false);
}

void SynchronizeDialog::addLinkToObject(zkpf::Button& button, bool filter)
{
    const int row = getCurrentObjectRow();
    if (row < 0)
        return;
    const RowId rowId = _list->GetRowId(row);
    const auto found = _objects.find(rowId);
    if (found == _objects.end())
        return;
    const CamObject object = found->second.object;
    if (object.index() == CamObjectIndex::Document && !DocumentObjectOf(object))
        return;
    if (!Arbor::Model::ServerGateway::IsConnected())
        return;
    CamRuleNameCreator collector(object);
    if (!IntegrationManager().MakeData(collector) || collector.GetRuleNames().empty())
        return;
    const RuleNames ruleNames = collector.GetRuleNames();

    zkpf::Menu menu;
    for (std::size_t position = 0; position < ruleNames.size(); ++position) {
        const ZKPDMHandle<ZKPDMReferenceProxy> reference = referenceOf(ruleNames[position].second);
        if (reference.isNull())
            continue;
        const HICON icon = reference->GetIcon();
        menu.AddItem(static_cast<int>(position) + 1, ruleNames[position].first,
                     zkpf::Image::FromResourceIcon(zkpf::ResourceIcon{icon ? icon->resourceId : 0}, {16, 24, 32}));
    }
    constexpr int menuPlacement = 3;
    button.SetContextMenu(std::move(menu), menuPlacement);
    _linkAction = [this, ruleNames, object, rowId, filter](int position) {
        linkObject(ruleNames, object, rowId, filter, position);
    };
    button.OpenContextMenu();
}

void SynchronizeDialog::linkObject(const RuleNames& ruleNames, const CamObject& object, RowId rowId, bool filter,
                                   int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= ruleNames.size())
        return;
    const std::wstring& referenceGuid = ruleNames[static_cast<std::size_t>(position)].second;
    const ZKPDMHandle<ZKPDMReferenceProxy> reference = referenceOf(referenceGuid);
    if (reference.isNull())
        return;
    const std::wstring filterText = filter ? searchFilter(object, rowId, referenceGuid) : std::wstring();
    const ZKPDMHandle<ZKPDMObjectProxy> chosen = reference->ChooseObject(GetWindowHandle(), filterText);
    if (chosen.isNull())
        return;
    PdmCamComparator comparison(chosen->GetGuid(), reference->GetGuid(), object);
    if (!IntegrationManager().MakeData(comparison) || comparison.GetParameters().empty())
        return;
    ObjectRecord& record = _objects[rowId];
    removeParameterRows(record);
    const std::wstring link = comparison.GetUri();
    bool linked = false;
    for (Parameter& parameter : comparison.TakeParameters()) {
        if (!parameter.pdmValue)
            continue;
        const RowId id = appendParameterRow(rowId, parameter.name, parameter.pdmValue.get(), true);
        record.parameters.emplace_back(id, std::move(parameter));
        if (!linked) {
            linked = true;
            const int objectRow = _list->GetRowById(rowId);
            _list->SetCheckState(objectRow, StatusColumn, zkpf::CheckState::Checked);
            _list->SetText(objectRow, LinkColumn, link);
            _changedRows.insert(rowId);
        }
    }
    afterListChange();
}

// The filter text of the PDM search for the object: the CAM parameters whose Filter box the
// user ticked, as the rules of the reference map them. Empty when none is ticked or it cannot
// be built.
std::wstring SynchronizeDialog::searchFilter(const CamObject& object, RowId rowId,
                                             const std::wstring& referenceGuid) const
{
    std::unordered_set<std::wstring> keys;
    if (const auto found = _objects.find(rowId); found != _objects.end())
        for (const auto& [parameterId, parameter] : found->second.parameters) {
            const int row = _list->GetRowById(parameterId);
            if (parameter && row >= 0 && _list->GetCheckState(row, FilterColumn) == zkpf::CheckState::Checked)
                keys.insert(parameter->appParam);
        }
    // Nothing ticked: the user searches the whole reference.
    if (keys.empty())
        return {};
    PdmCamFilterCreator creator(object, ToNetGuid(referenceGuid), std::move(keys));
    return IntegrationManager().MakeData(creator) ? creator.GetFilter() : std::wstring();
}

void SynchronizeDialog::afterListChange()
{
    if (!_changedRows.empty())
        _applyButton->SetEnabled(true);
    selectionChanged();
}

void SynchronizeDialog::apply()
{
    if (_objects.empty() || !_doc || !_doc->BeginChanges(L"Updated cam objects from pdm"))
        return;
    for (const RowId rowId : _changedRows) {
        const auto found = _objects.find(rowId);
        const int row = _list->GetRowById(rowId);
        if (found == _objects.end() || row < 0)
            continue;
        const CamObject& object = found->second.object;
        if (statusOf(row) == zkpf::CheckState::Unchecked) {
            CamObjectManager::RemoveUri(object);
            continue;
        }
        if (const std::wstring* link = _list->GetText(row, LinkColumn))
            CamObjectManager::SetUri(object, *link);
        CamObjectManager manager(object);
        for (const auto& [parameterId, parameter] : found->second.parameters)
            if (parameter && parameter->pdmValue)
                manager.SetValue(parameter->appParam, *parameter->pdmValue);
    }
    _doc->EndChanges(true, false);
    _doc->Regenerate3D();
}

} // namespace Vireo::Cam::Pdm
