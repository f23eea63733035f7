#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

#include <array>

#include "core/text/language_table.h"
#include "gui/editor/grid_cells.h"

namespace rpx::gui {

// The fixed texts around the grid cells: the over-headings "frequency" and "qt/dqt", the column
// headings, and per group a label followed by a separator line.
class GridHeadings {
public:
    static constexpr int kOverHeadingRow = 0;
    static constexpr int kHeadingRow = 1;

    // groupRows: the layout rows of the two group labels.
    GridHeadings(QGridLayout& layout, QWidget& parent, std::array<int, 2> groupRows);

    void ApplyTexts(const LanguageTable& texts);
    // The width the heading of cell needs (0 without a heading).
    int HeadingWidth(int cell) const;
    void SetGroupsVisible(bool visible);

private:
    std::array<QLabel*, kCellsPerRow> m_columns{};
    QLabel* m_frequency;
    QLabel* m_tone;
    std::array<QWidget*, 2> m_groups{};
    std::array<QLabel*, 2> m_groupLabels{};
};

} // namespace rpx::gui
