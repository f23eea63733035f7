#include "gui/editor/grid_row.h"

#include "core/editor/channel_table.h"

namespace rpx::gui {

namespace {

QString CellName(int cell, int row) {
    return QString::fromLatin1(SpecOfCell(cell).name) + QString::number(row);
}

} // namespace

GridRow::GridRow(int row, QGridLayout& layout, int layoutRow, QWidget& parent)
    : m_number(new QLabel(QString::number((row - 1) % kRowsPerGroup + 1), &parent)),
      m_details(new QPushButton(QStringLiteral(">>"), &parent)) {
    m_number->setObjectName(QStringLiteral("rowNumber%1").arg(row));
    m_number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout.addWidget(m_number, layoutRow, 0);
    for (int cell = 0; cell < kCellsPerRow - 1; ++cell) {
        QLineEdit* edit = SpecOfCell(cell).kind == CellKind::Frequency ? new FrequencyEdit(&parent)
                                                                       : new QLineEdit(&parent);
        edit->setReadOnly(SpecOfCell(cell).kind != CellKind::Frequency);
        m_edits[static_cast<std::size_t>(cell)] = edit;
    }
    for (int cell = 0; cell < kCellsPerRow; ++cell) {
        QWidget* widget = Cell(cell);
        widget->setObjectName(CellName(cell, row));
        widget->setFocusPolicy(Qt::TabFocus);
        layout.addWidget(widget, layoutRow, cell + 1);
    }
    m_details->setAutoDefault(false);
}

QWidget* GridRow::Cell(int cell) const {
    if (cell == kDetailsCell)
        return m_details;
    return m_edits.at(static_cast<std::size_t>(cell));
}

QLineEdit* GridRow::Edit(GridColumn column) const {
    return m_edits.at(static_cast<std::size_t>(column));
}

FrequencyEdit* GridRow::Frequency(GridColumn column) const {
    return qobject_cast<FrequencyEdit*>(Edit(column));
}

std::optional<int> GridRow::CellOf(const QObject* widget) const {
    for (int cell = 0; cell < kCellsPerRow; ++cell)
        if (Cell(cell) == widget)
            return cell;
    return std::nullopt;
}

void GridRow::SetVisible(bool visible) {
    m_number->setVisible(visible);
    for (int cell = 0; cell < kCellsPerRow; ++cell)
        Cell(cell)->setVisible(visible);
}

void GridRow::SetCellSize(int cell, QSize size) {
    Cell(cell)->setFixedSize(size);
}

void GridRow::SetNumberHeight(int height) {
    m_number->setFixedHeight(height);
}

} // namespace rpx::gui
