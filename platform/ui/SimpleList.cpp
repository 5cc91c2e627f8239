#include "platform/ui/SimpleList.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <unordered_set>

namespace zkpf {

int SimpleList::AddColumn(std::wstring header)
{
    const std::size_t before = columns_.size();
    columns_.push_back(Column{std::move(header)});
    std::deque<Cell> cells(rows_.size() * columns_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row)
        std::move(cells_.begin() + static_cast<std::ptrdiff_t>(row * before),
                  cells_.begin() + static_cast<std::ptrdiff_t>((row + 1) * before),
                  cells.begin() + static_cast<std::ptrdiff_t>(row * columns_.size()));
    cells_ = std::move(cells);
    ++revision_;
    return GetColumnCount() - 1;
}

void SimpleList::SetColumnHidden(int column, bool hidden)
{
    columns_.at(static_cast<std::size_t>(column)).hidden = hidden;
    ++revision_;
}

void SimpleList::SetColumnAlignment(int column, Alignment alignment)
{
    columns_.at(static_cast<std::size_t>(column)).alignment = alignment;
}

void SimpleList::SetColumnEditable(int column, bool editable)
{
    columns_.at(static_cast<std::size_t>(column)).editable = editable;
}

int SimpleList::AppendRow(int parentRow)
{
    Row row;
    row.key = nextKey_++;
    if (parentRow >= 0)
        row.parentKey = rowAt(parentRow).key;
    rows_.push_back(std::move(row));
    cells_.resize(cells_.size() + columns_.size());
    ++revision_;
    return GetRowCount() - 1;
}

int SimpleList::GetParentRow(int row) const
{
    const Row& child = rowAt(row);
    return child.parentKey ? indexOfKey(*child.parentKey) : -1;
}

void SimpleList::RemoveRow(int row)
{
    std::unordered_set<std::uint64_t> removed{rowAt(row).key};
    // Descendants come after their ancestors, so one forward pass finds them all.
    for (std::size_t i = static_cast<std::size_t>(row) + 1; i < rows_.size(); ++i)
        if (rows_[i].parentKey && removed.contains(*rows_[i].parentKey))
            removed.insert(rows_[i].key);
    const std::size_t columns = columns_.size();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (removed.contains(rows_[i].key))
            continue;
        if (kept != i) {
            rows_[kept] = std::move(rows_[i]);
            std::move(cells_.begin() + static_cast<std::ptrdiff_t>(i * columns),
                      cells_.begin() + static_cast<std::ptrdiff_t>((i + 1) * columns),
                      cells_.begin() + static_cast<std::ptrdiff_t>(kept * columns));
        }
        ++kept;
    }
    rows_.resize(kept);
    cells_.resize(kept * columns);
    if (selectedKey_ && removed.contains(*selectedKey_)) {
        selectedKey_.reset();
        if (onSelectionChanged_)
            onSelectionChanged_();
    }
    indexStale_ = true;
    ++revision_;
}

void SimpleList::SetRowId(int row, RowId id)
{
    Row& target = rowAt(row);
    if (!indexStale_) {
        if (target.id >= 0)
            indexById_.erase(target.id);
        indexById_[id] = row;
    }
    target.id = id;
}

SimpleList::RowId SimpleList::GetRowId(int row) const
{
    return rowAt(row).id;
}

int SimpleList::GetRowById(RowId id) const
{
    reindex();
    const auto found = indexById_.find(id);
    return found == indexById_.end() ? -1 : found->second;
}

void SimpleList::SetText(int row, int column, std::wstring text)
{
    cellAt(row, column).text = std::move(text);
    ++revision_;
}

const std::wstring* SimpleList::GetText(int row, int column) const
{
    const Cell* cell = findCell(row, column);
    return cell && cell->text ? &*cell->text : nullptr;
}

void SimpleList::SetCheckState(int row, int column, CheckState state)
{
    cellAt(row, column).check = state;
    ++revision_;
}

std::optional<CheckState> SimpleList::GetCheckState(int row, int column) const
{
    const Cell* cell = findCell(row, column);
    return cell ? cell->check : std::nullopt;
}

void SimpleList::SetCheckEditable(int row, int column, bool editable)
{
    cellAt(row, column).checkEditable = editable;
}

bool SimpleList::IsCheckUserEditable(int row, int column) const
{
    const Cell* cell = findCell(row, column);
    return cell && cell->checkEditable && GetColumn(column).editable;
}

bool SimpleList::ToggleCheck(int row, int column)
{
    if (!IsCheckUserEditable(row, column))
        return false;
    Cell& cell = cellAt(row, column);
    cell.check = cell.check == CheckState::Checked ? CheckState::Unchecked : CheckState::Checked;
    ++revision_;
    return true;
}

void SimpleList::SetImage(int row, Image image)
{
    rowAt(row).image = std::move(image);
    ++revision_;
}

const Image& SimpleList::GetImage(int row) const
{
    return rowAt(row).image;
}

void SimpleList::Select(int row)
{
    std::optional<std::uint64_t> key;
    if (row >= 0)
        key = rowAt(row).key;
    if (key == selectedKey_)
        return;
    selectedKey_ = key;
    ++revision_;
    if (onSelectionChanged_)
        onSelectionChanged_();
}

int SimpleList::GetSelectedRow() const
{
    return selectedKey_ ? indexOfKey(*selectedKey_) : -1;
}

std::size_t SimpleList::checkedRow(int row) const
{
    if (row < 0 || row >= GetRowCount())
        throw std::out_of_range("simple list: no row " + std::to_string(row));
    return static_cast<std::size_t>(row);
}

SimpleList::Row& SimpleList::rowAt(int row)
{
    return rows_[checkedRow(row)];
}

const SimpleList::Row& SimpleList::rowAt(int row) const
{
    return rows_[checkedRow(row)];
}

SimpleList::Cell& SimpleList::cellAt(int row, int column)
{
    if (column < 0 || column >= GetColumnCount())
        throw std::out_of_range("simple list: no column " + std::to_string(column));
    return cells_[checkedRow(row) * columns_.size() + static_cast<std::size_t>(column)];
}

const SimpleList::Cell* SimpleList::findCell(int row, int column) const
{
    if (column < 0 || column >= GetColumnCount())
        return nullptr;
    return &cells_[checkedRow(row) * columns_.size() + static_cast<std::size_t>(column)];
}

int SimpleList::indexOfKey(std::uint64_t key) const
{
    // Keys grow with every appended row and removals keep the order, so the rows are sorted
    // by key.
    const auto found = std::ranges::lower_bound(rows_, key, {}, &Row::key);
    return found != rows_.end() && found->key == key ? static_cast<int>(found - rows_.begin()) : -1;
}

void SimpleList::reindex() const
{
    if (!indexStale_)
        return;
    indexById_.clear();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id >= 0)
            indexById_.emplace(rows_[i].id, static_cast<int>(i));
    indexStale_ = false;
}

} // namespace zkpf
