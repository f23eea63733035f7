#include "gui/editor/grid_navigation.h"

namespace rpx::gui {

GridPosition StepGridFocus(GridPosition from, int step, const std::function<bool(GridPosition)>& focusable) {
    constexpr int kCells = ChannelGridEditor::kRowCount * kCellsPerRow;
    const int start = (from.row - 1) * kCellsPerRow + from.cell;
    for (int distance = 1; distance < kCells; ++distance) {
        const int index = ((start + step * distance) % kCells + kCells) % kCells;
        const GridPosition candidate{index / kCellsPerRow + 1, index % kCellsPerRow};
        if (focusable(candidate))
            return candidate;
    }
    return from;
}

} // namespace rpx::gui
