#pragma once

#include <functional>

#include "gui/editor/grid_cells.h"

namespace rpx::gui {

// Tab (+1) and Shift+Tab (-1) in the grid: the rows are read in order, each row's cells left to right,
// wrapping from the last cell of row 8 to the first of row 1. Cells for which focusable is false are
// stepped over; from itself when no other cell can take the focus.
GridPosition StepGridFocus(GridPosition from, int step, const std::function<bool(GridPosition)>& focusable);

} // namespace rpx::gui
