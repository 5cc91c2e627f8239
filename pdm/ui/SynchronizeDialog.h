#pragma once
// The synchronisation dialog: every CAM object of a document in seven folders, compared with
// its linked PDM object (or, without a link, with what its rules would export), parameter by
// parameter. From it the user shows, refreshes, removes, finds and adds links; the list is a
// working copy that reaches the document only through apply.

#include "pdm/cam/CamObject.h"
#include "pdm/convert/PdmCamComparator.h"

#include "platform/ui/ModalDialog.h"
#include "platform/ui/SimpleList.h"
#include "platform/ui/ToolBar.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class CZkw32Doc;

namespace Vireo::Cam::Pdm {

class SynchronizeDialog : public zkpf::ModalDialog,
                          public zkpf::AddStandardControl,
                          public zkpf::IHostWindowProvider {
public:
    // The folder row with identifier n holds folder n.
    enum class Folders : int { Projects, Groups, Machinings, Tools, Stocks, Parts, Fixtures };
    static constexpr int FolderCount = 7;

    // Columns of the list.
    static constexpr int NameColumn = 0;
    static constexpr int ValueColumn = 1;
    static constexpr int StatusColumn = 2;
    static constexpr int FilterColumn = 3;
    static constexpr int LinkColumn = 4;

    explicit SynchronizeDialog(CZkw32Doc* doc);
    ~SynchronizeDialog() override;

private:
    using RowId = zkpf::SimpleList::RowId;
    using Parameter = PdmCamComparator::Parameter;

    // One object row: the object, its parameter rows (with the compared parameter each
    // shows) and its child object rows. Folder rows get one too, for their child rows.
    struct ObjectRecord {
        CamObject object;
        std::vector<std::pair<RowId, std::optional<Parameter>>> parameters;
        std::vector<RowId> children;
    };

    struct AddedObjectRow {
        int row;
        std::vector<Parameter> parameters;
    };

    // ---- layout and list -----------------------------------------------------------------
    void buildUI(zkpf::Panel& content);
    void addLinkButtons();
    void addList(zkpf::Panel& content);
    void addFolderRows();
    template <class T>
    int addCamObject(const std::vector<T*>& objects, Folders folder, int row);
    void addToolParts(const CamObject& tool, int toolRow);
    std::optional<AddedObjectRow> addObjectRow(const CamObject& object, int parentRow);
    void addParameterRows(RowId objectRow, std::vector<Parameter> parameters);
    RowId appendParameterRow(RowId objectRow, const std::wstring& name, const Cam::BaseValue* shown, bool equal);
    void removeParameterRows(ObjectRecord& record);
    RowId nextRowId(int row);
    int getCurrentObjectRow() const;
    int getCurrentFolderRow() const;
    void selectionChanged();
    zkpf::CheckState statusOf(int row) const;

    // ---- link operations -----------------------------------------------------------------
    void showLink();
    void updateFromLink();
    void updateNodeFromLink();
    void updateAllFromLink();
    void updateFromQueue(std::vector<RowId> queue);
    bool updateFromRowLink(RowId rowId);
    void removeLink();
    void findLink();
    void addLink();
    void addLinkToObject(zkpf::Button& button, bool filter);
    void linkObject(const std::vector<std::pair<std::wstring, std::wstring>>& ruleNames, const CamObject& object,
                    RowId rowId, bool filter, int position);
    std::wstring searchFilter(const CamObject& object, RowId rowId, const std::wstring& referenceGuid) const;
    void afterListChange();
    void apply();

    CZkw32Doc* _doc;
    RowId _lastRowId = -1;
    std::unordered_map<RowId, ObjectRecord> _objects;
    std::unordered_set<RowId> _changedRows;
    std::function<void(int)> _linkAction;
    zkpf::ToolBar* _toolBar = nullptr;
    zkpf::Button* _showLinkButton = nullptr;
    zkpf::Button* _updateLinkButton = nullptr;
    zkpf::Button* _deleteLinkButton = nullptr;
    zkpf::Button* _findLinkButton = nullptr;
    zkpf::Button* _addLinkButton = nullptr;
    zkpf::Button* _applyButton = nullptr;
    zkpf::SimpleList* _list = nullptr;
    // Every parameter row shows the same icon; its file is looked up once.
    zkpf::Image _parameterImage;
};

} // namespace Vireo::Cam::Pdm
