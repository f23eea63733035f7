#pragma once

#include "core/editor/channel_flags.h"
#include "core/editor/channel_grid_editor.h"
#include "core/editor/channel_record.h"
#include "core/text/text_id.h"

namespace rpx::gui {

// A grid row as the form shows it: the eight editor columns, then the row's ">>" button.
inline constexpr int kCellsPerRow = 9;
inline constexpr int kDetailsCell = 8;

// What a cell is made of: a frequency edit, a read-only cell covered by a tone or a flag drop-down
// while it has the focus, or the ">>" button.
enum class CellKind { Frequency, Tone, Flag, Details };

struct CellSpec {
    const char* name; // object name of the cell, followed by its row number ("rx1")
    TextId heading;   // 0: no column heading
    CellKind kind;
};

// cell 0..8, left to right.
const CellSpec& SpecOfCell(int cell);
// The editor column of cells 0..7.
GridColumn ColumnOfCell(int cell);
// Decode is the receive tone, encode the transmit tone; RX and TX their frequencies.
Direction DirectionOfColumn(GridColumn column);

// One cell of the grid: row 1..8, cell 0..8.
struct GridPosition {
    int row = 1;
    int cell = 0;
    bool operator==(const GridPosition&) const = default;
};

} // namespace rpx::gui
