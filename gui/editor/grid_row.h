#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <optional>

#include "gui/editor/frequency_edit.h"
#include "gui/editor/grid_cells.h"

namespace rpx::gui {

// The widgets of one grid row: the row number within its group, the eight value cells and the ">>"
// button, placed in one row of the grid layout (layout column 0 the number, 1..9 the cells). Cells take
// the focus only from the keyboard or from the view, which decides what a click does.
class GridRow {
public:
    GridRow(int row, QGridLayout& layout, int layoutRow, QWidget& parent);

    QWidget* Cell(int cell) const;
    QLineEdit* Edit(GridColumn column) const;
    // Null for the columns that are not frequencies.
    FrequencyEdit* Frequency(GridColumn column) const;
    QPushButton* Details() const { return m_details; }
    // The cell index of a widget of this row, if it is one of its cells.
    std::optional<int> CellOf(const QObject* widget) const;

    void SetVisible(bool visible);
    // Every cell of column cell gets this size.
    void SetCellSize(int cell, QSize size);
    void SetNumberHeight(int height);

private:
    QLabel* m_number;
    std::array<QLineEdit*, kCellsPerRow - 1> m_edits{};
    QPushButton* m_details;
};

} // namespace rpx::gui
