#pragma once
// The simple list: rows of cells under column headers, optionally as a tree, with row
// identifiers that survive the removal of other rows.
//
// Row indexes are positions in insertion order (a child row comes after its parent); they
// shift when rows are removed. Row identifiers are set by the owner of the list and are what
// it keeps to find a row again.

#include "platform/ui/CheckState.h"
#include "platform/ui/Control.h"
#include "platform/ui/Images.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zkpf {

class SimpleList final : public Control {
public:
    using RowId = std::int64_t;

    struct Column {
        std::wstring header;
        bool hidden = false;
        Alignment alignment = Alignment::Left;
        bool editable = false;
    };

    // Layout flags, kept for whatever shows the list.
    void SetStretchHeight(bool on) noexcept { stretchHeight_ = on; }
    bool GetStretchHeight() const noexcept { return stretchHeight_; }
    void SetHierarchy(bool on) noexcept { hierarchy_ = on; }
    bool HasHierarchy() const noexcept { return hierarchy_; }
    void SetRowIdMapping(bool on) noexcept { rowIdMapping_ = on; }
    bool HasRowIdMapping() const noexcept { return rowIdMapping_; }

    int AddColumn(std::wstring header);
    int GetColumnCount() const noexcept { return static_cast<int>(columns_.size()); }
    const Column& GetColumn(int column) const { return columns_.at(static_cast<std::size_t>(column)); }
    void SetColumnHidden(int column, bool hidden);
    void SetColumnAlignment(int column, Alignment alignment);
    void SetColumnEditable(int column, bool editable);
    void SetTreeColumn(int column) noexcept { treeColumn_ = column; }
    int GetTreeColumn() const noexcept { return treeColumn_; }

    // A new row at the end, under `parentRow` (-1: top level). Returns its index.
    int AppendRow(int parentRow = -1);
    int GetRowCount() const noexcept { return static_cast<int>(rows_.size()); }
    int GetParentRow(int row) const;
    // Removes the row and every row below it.
    void RemoveRow(int row);

    void SetRowId(int row, RowId id);
    // -1 when the row has none.
    RowId GetRowId(int row) const;
    // The index of the row with `id`, or -1.
    int GetRowById(RowId id) const;

    void SetText(int row, int column, std::wstring text);
    // The text of a cell, or null when the cell holds none.
    const std::wstring* GetText(int row, int column) const;
    void SetCheckState(int row, int column, CheckState state);
    std::optional<CheckState> GetCheckState(int row, int column) const;
    // Whether the user may toggle this cell's check box (when its column is editable too).
    void SetCheckEditable(int row, int column, bool editable);
    bool IsCheckUserEditable(int row, int column) const;
    // The user toggles a check box: checked becomes unchecked, anything else checked.
    // Returns false, changing nothing, when the cell may not be toggled.
    bool ToggleCheck(int row, int column);
    // The icon of the row, shown in the tree column.
    void SetImage(int row, Image image);
    const Image& GetImage(int row) const;

    void OnSelectionChanged(std::function<void()> handler) { onSelectionChanged_ = std::move(handler); }
    // Selects a row (-1: none) and reports a change of selection.
    void Select(int row);
    int GetSelectedRow() const;

    // Grows with every change of rows, cells or selection, so that a view knows when to
    // show the list again.
    std::uint64_t GetRevision() const noexcept { return revision_; }

private:
    struct Cell {
        std::optional<std::wstring> text;
        std::optional<CheckState> check;
        bool checkEditable = true;
    };
    struct Row {
        std::uint64_t key = 0; // never reused, so parents stay found across removals
        std::optional<std::uint64_t> parentKey;
        RowId id = -1;
        Image image;
    };

    // The row's index, or std::out_of_range.
    std::size_t checkedRow(int row) const;
    Row& rowAt(int row);
    const Row& rowAt(int row) const;
    Cell& cellAt(int row, int column);
    const Cell* findCell(int row, int column) const;
    int indexOfKey(std::uint64_t key) const;
    void reindex() const;

    std::vector<Column> columns_;
    // Lists of tens of thousands of rows are common: rows and cells grow in blocks that are
    // never moved, and the cells of row r are cells_[r * columns, (r + 1) * columns) instead of
    // an allocation of their own.
    std::deque<Row> rows_;
    std::deque<Cell> cells_;
    int treeColumn_ = 0;
    bool stretchHeight_ = false;
    bool hierarchy_ = false;
    bool rowIdMapping_ = false;
    std::uint64_t nextKey_ = 0;
    std::optional<std::uint64_t> selectedKey_;
    std::function<void()> onSelectionChanged_;
    std::uint64_t revision_ = 0;
    // Rebuilt lazily after a removal shifted the indexes.
    mutable std::unordered_map<RowId, int> indexById_;
    mutable bool indexStale_ = false;
};

} // namespace zkpf
