#include "gui/editor/grid_cells.h"

#include <array>

namespace rpx::gui {

namespace {

constexpr std::array<CellSpec, kCellsPerRow> kCells = {{
    {"rx", 1001059, CellKind::Frequency},
    {"tx", 1001057, CellKind::Frequency},
    {"decode", 3010049, CellKind::Tone},
    {"encode", 3010047, CellKind::Tone},
    {"power", 3016001, CellKind::Flag},
    {"wideNarrow", 3016003, CellKind::Flag},
    {"scan", 3016005, CellKind::Flag},
    {"option", 3016007, CellKind::Flag},
    {"details", 0, CellKind::Details},
}};

} // namespace

const CellSpec& SpecOfCell(int cell) {
    return kCells.at(static_cast<std::size_t>(cell));
}

GridColumn ColumnOfCell(int cell) {
    return kGridColumns.at(static_cast<std::size_t>(cell));
}

Direction DirectionOfColumn(GridColumn column) {
    return column == GridColumn::Rx || column == GridColumn::Decode ? Direction::Rx : Direction::Tx;
}

} // namespace rpx::gui
