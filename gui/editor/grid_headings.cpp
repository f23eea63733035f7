#include "gui/editor/grid_headings.h"

#include <QFrame>
#include <QHBoxLayout>

#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kFrequencyHeading = 3005027;
constexpr TextId kToneHeading = 3013025;
constexpr std::array<TextId, 2> kGroupLabels = {1001075, 1001077};
constexpr int kHeadingPadding = 8;

} // namespace

GridHeadings::GridHeadings(QGridLayout& layout, QWidget& parent, std::array<int, 2> groupRows)
    : m_frequency(new QLabel(&parent)), m_tone(new QLabel(&parent)) {
    // Layout column 0 holds the row numbers, cell n sits in layout column n + 1.
    layout.addWidget(m_frequency, kOverHeadingRow, 1, 1, 2, Qt::AlignHCenter);
    layout.addWidget(m_tone, kOverHeadingRow, 3, 1, 2, Qt::AlignHCenter);
    for (int cell = 0; cell < kCellsPerRow; ++cell) {
        auto* heading = new QLabel(&parent);
        layout.addWidget(heading, kHeadingRow, cell + 1, Qt::AlignHCenter | Qt::AlignBottom);
        m_columns[static_cast<std::size_t>(cell)] = heading;
    }
    for (std::size_t group = 0; group < m_groups.size(); ++group) {
        auto* header = new QWidget(&parent);
        auto* row = new QHBoxLayout(header);
        row->setContentsMargins(0, 4, 0, 0);
        m_groupLabels[group] = new QLabel(header);
        auto* line = new QFrame(header);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        row->addWidget(m_groupLabels[group]);
        row->addWidget(line, 1);
        header->setObjectName(QStringLiteral("group%1Header").arg(group + 1));
        layout.addWidget(header, groupRows[group], 0, 1, kCellsPerRow + 1);
        m_groups[group] = header;
    }
}

void GridHeadings::ApplyTexts(const LanguageTable& texts) {
    m_frequency->setText(Tr(texts, kFrequencyHeading));
    m_tone->setText(Tr(texts, kToneHeading));
    for (int cell = 0; cell < kCellsPerRow; ++cell)
        m_columns[static_cast<std::size_t>(cell)]->setText(Tr(texts, SpecOfCell(cell).heading));
    for (std::size_t group = 0; group < m_groupLabels.size(); ++group)
        m_groupLabels[group]->setText(Tr(texts, kGroupLabels[group]));
}

int GridHeadings::HeadingWidth(int cell) const {
    const QLabel* heading = m_columns.at(static_cast<std::size_t>(cell));
    if (heading->text().isEmpty())
        return 0;
    return heading->fontMetrics().horizontalAdvance(heading->text()) + kHeadingPadding;
}

void GridHeadings::SetGroupsVisible(bool visible) {
    for (QWidget* group : m_groups)
        group->setVisible(visible);
}

} // namespace rpx::gui
