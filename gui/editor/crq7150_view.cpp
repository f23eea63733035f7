#include "gui/editor/crq7150_view.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

#include "core/editor/channel_flags.h"
#include "core/editor/channel_table.h"
#include "gui/app/qt_text.h"
#include "gui/editor/grid_headings.h"
#include "gui/editor/grid_navigation.h"
#include "gui/editor/grid_row.h"
#include "gui/editor/row_command_keys.h"

namespace rpx::gui {

namespace {

constexpr TextId kTrunkedChannel = 3019155;
constexpr int kGroup1LabelRow = 2;
constexpr int kGroup2LabelRow = 7;
constexpr int kDetailsPadding = 16;
// QLineEdit's own margins around the text, room for the cursor and a little air.
constexpr int kEditTextMargins = 12;

int LayoutRowOf(int row) {
    return (row <= kRowsPerGroup ? kGroup1LabelRow : kGroup2LabelRow) + (row - 1) % kRowsPerGroup + 1;
}

} // namespace

CRQ7150View::CRQ7150View(Session& session, Notifier& notifier, QWidget* parent)
    : QWidget(parent), m_session(session), m_notifier(notifier), m_editor(session, notifier),
      m_grid(new QWidget(this)) {
    for (const std::string& tone : m_editor.ToneList())
        m_toneItems << ToQt(tone);

    auto* layout = new QGridLayout(m_grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(3);
    m_headings =
        std::make_unique<GridHeadings>(*layout, *m_grid, std::array{kGroup1LabelRow, kGroup2LabelRow});
    for (int row = 1; row <= ChannelGridEditor::kRowCount; ++row) {
        m_rows.push_back(std::make_unique<GridRow>(row, *layout, LayoutRowOf(row), *m_grid));
        for (int cell = 0; cell < kCellsPerRow; ++cell)
            Cell({row, cell})->installEventFilter(this);
        connect(Row(row).Details(), &QPushButton::clicked, this, [this, row] { OpenDetails(row); });
    }

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 12);
    outer->addWidget(m_grid, 0, Qt::AlignHCenter | Qt::AlignTop);
    outer->addStretch(1);

    connect(qApp, &QApplication::focusChanged, this, &CRQ7150View::OnFocusChanged);
}

CRQ7150View::~CRQ7150View() {
    // The cells are destroyed after this class is gone and move the focus as they go.
    disconnect(qApp, &QApplication::focusChanged, this, &CRQ7150View::OnFocusChanged);
}

// ---- public operations ----

void CRQ7150View::OnInitialUpdate() {
    m_headings->ApplyTexts(m_notifier.Texts());
    ApplyCellSizes();
    RefreshGridState();
}

void CRQ7150View::RefreshAllTexts() {
    QScopedValueRollback<bool> busy(m_busy, true);
    for (int row = 1; row <= ChannelGridEditor::kRowCount; ++row)
        for (int cell = 0; cell < kDetailsCell; ++cell)
            RenderCell({row, cell});
    // An open drop-down would otherwise store its old value into the new image when it is left.
    if (m_list)
        ShowStoredChoice();
}

void CRQ7150View::RefreshGridState() {
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        UpdateGridState();
    }
    SyncFocus();
}

void CRQ7150View::RefreshTrunkingRows() {
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        m_editor.RefreshTrunkingRows();
        for (int row = 1; row <= kRowsPerGroup; ++row)
            ShowRow(row);
    }
    SyncFocus();
}

void CRQ7150View::RestoreFocus() {
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        GridPosition target = m_focusedCell.value_or(GridPosition{});
        if (!IsFocusable(target))
            target = FallbackOf(target);
        if (m_list && m_listCell == target)
            m_list->setFocus(Qt::OtherFocusReason);
        else
            MoveFocusTo(target, Qt::OtherFocusReason);
    }
    SyncFocus();
}

void CRQ7150View::FocusChannelOneRx() {
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        MoveFocusTo(GridPosition{}, Qt::OtherFocusReason);
    }
    SyncFocus();
}

void CRQ7150View::CloseCellLists() {
    // No SyncFocus: the cell keeps the focus without reopening its list until the focus is restored.
    QScopedValueRollback<bool> busy(m_busy, true);
    CloseCellList(false);
}

void CRQ7150View::CommitPendingEdit() {
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        if (m_pendingEdit)
            CommitFrequencyCell();
        if (m_list) {
            const RadioImage before = m_session.image;
            StoreListChoice(*m_list, m_listCell);
            ShowStoredChoice();
            RenderCell(m_listCell);
            NotifyIfChanged(before);
        }
    }
    SyncFocus();
}

int CRQ7150View::CurrentRow() const {
    const std::optional<GridPosition> at = FocusedPosition();
    return at ? at->row : 0;
}

// ---- cells and positions ----

GridRow& CRQ7150View::Row(int row) const {
    return *m_rows.at(static_cast<std::size_t>(row - 1));
}

QWidget* CRQ7150View::Cell(GridPosition at) const {
    return Row(at.row).Cell(at.cell);
}

std::optional<GridPosition> CRQ7150View::PositionOf(const QObject* widget) const {
    for (int row = 1; row <= ChannelGridEditor::kRowCount; ++row)
        if (const std::optional<int> cell = Row(row).CellOf(widget))
            return GridPosition{row, *cell};
    return std::nullopt;
}

std::optional<GridPosition> CRQ7150View::FocusedPosition() const {
    // The window's focus widget stays known while another application is active.
    const QWidget* focus = window()->focusWidget();
    if (m_list && m_list->Contains(focus))
        return m_listCell;
    return PositionOf(focus);
}

bool CRQ7150View::IsFocusable(GridPosition at) const {
    if (at.cell == kDetailsCell)
        return m_editor.IsRowUsable(at.row) && Row(at.row).Details()->isEnabled();
    return m_editor.IsCellEnabled(at.row, ColumnOfCell(at.cell));
}

GridPosition CRQ7150View::FallbackOf(GridPosition at) const {
    return GridPosition{m_editor.IsRowUsable(at.row) ? at.row : 1, 0};
}

QStringList CRQ7150View::FlagChoices(GridColumn column) const {
    const FlagItemTexts items = FlagItems(*FlagOfColumn(column));
    const LanguageTable& texts = m_notifier.Texts();
    return {Tr(texts, items.clear), Tr(texts, items.set)};
}

// ---- showing the image ----

void CRQ7150View::ApplyCellSizes() {
    const int height = std::max(
        {QLineEdit(this).sizeHint().height(),
         CellList(FlagChoices(GridColumn::Power), CellList::Entry::ChooseOnly, this).sizeHint().height(),
         QPushButton(this).sizeHint().height()});
    for (int cell = 0; cell < kCellsPerRow; ++cell) {
        const QSize size(std::max(CellWidth(cell), m_headings->HeadingWidth(cell)), height);
        for (const auto& row : m_rows)
            row->SetCellSize(cell, size);
    }
    for (const auto& row : m_rows)
        row->SetNumberHeight(height);
}

int CRQ7150View::CellWidth(int cell) {
    switch (SpecOfCell(cell).kind) {
    case CellKind::Frequency: {
        // Wide enough for any frequency and for the text of a row kept for the trunking board.
        QLineEdit probe(this);
        const QFontMetrics metrics = probe.fontMetrics();
        const int text = std::max(metrics.horizontalAdvance(QStringLiteral("000.00000")),
                                  metrics.horizontalAdvance(Tr(m_notifier.Texts(), kTrunkedChannel)));
        QStyleOptionFrame option;
        option.initFrom(&probe);
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &probe);
        return style()
            ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text + kEditTextMargins, metrics.height()),
                               &probe)
            .width();
    }
    case CellKind::Tone:
        return CellList(m_toneItems, CellList::Entry::ToneTyping, this).sizeHint().width();
    case CellKind::Flag:
        return CellList(FlagChoices(ColumnOfCell(cell)), CellList::Entry::ChooseOnly, this)
            .sizeHint()
            .width();
    case CellKind::Details:
        return Row(1).Details()->fontMetrics().horizontalAdvance(Row(1).Details()->text()) + kDetailsPadding;
    }
    return 0;
}

void CRQ7150View::UpdateGridState() {
    m_editor.RefreshTrunkingRows();
    m_headings->SetGroupsVisible(m_editor.IsRowVisible(kRowsPerGroup + 1));
    for (int row = 1; row <= ChannelGridEditor::kRowCount; ++row) {
        // Disabling first hands the focus of a row about to be hidden to a cell that stays.
        ShowRow(row);
        Row(row).SetVisible(m_editor.IsRowVisible(row));
    }
}

void CRQ7150View::ShowRow(int row) {
    for (int cell = 0; cell < kDetailsCell; ++cell) {
        RenderCell({row, cell});
        SetCellEnabled({row, cell}, m_editor.IsCellEnabled(row, ColumnOfCell(cell)));
    }
    SetCellEnabled({row, kDetailsCell}, m_editor.Offers(RowCommand::Details, row));
}

void CRQ7150View::RenderCell(GridPosition at) {
    const GridColumn column = ColumnOfCell(at.cell);
    const QString text = ToQt(m_editor.CellText(at.row, column));
    if (FrequencyEdit* edit = Row(at.row).Frequency(column))
        edit->ShowCellText(text, !m_editor.IsReservedRow(at.row));
    else
        Row(at.row).Edit(column)->setText(text);
}

void CRQ7150View::SetCellEnabled(GridPosition at, bool enabled) {
    QWidget* cell = Cell(at);
    const bool listHere = m_list && m_listCell == at;
    if (!enabled && (listHere || window()->focusWidget() == cell)) {
        // What the cell held belongs to a channel that changed underneath it.
        if (listHere)
            CloseCellList(false);
        FocusCell(FallbackOf(at), Qt::OtherFocusReason);
    }
    cell->setEnabled(enabled);
}

// ---- focus ----

void CRQ7150View::OnFocusChanged(QWidget* /*old*/, QWidget* now) {
    // Without a new focus widget the application went inactive: the edit goes on when it returns.
    if (m_busy || now == nullptr)
        return;
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        LeaveFocusedCell(now);
    }
    SyncFocus();
}

void CRQ7150View::SyncFocus() {
    if (m_busy)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !isAncestorOf(focus))
        return;
    QScopedValueRollback<bool> busy(m_busy, true);
    EnterCell(focus);
}

void CRQ7150View::EnterCell(QWidget* widget) {
    if (m_list && m_list->Contains(widget))
        return;
    const std::optional<GridPosition> at = PositionOf(widget);
    if (!at)
        return;
    m_focusedCell = *at;
    switch (SpecOfCell(at->cell).kind) {
    case CellKind::Frequency:
        m_pendingEdit = Row(at->row).Frequency(ColumnOfCell(at->cell));
        break;
    case CellKind::Tone:
    case CellKind::Flag:
        OpenCellList(*at);
        break;
    case CellKind::Details:
        break;
    }
}

void CRQ7150View::LeaveFocusedCell(const QWidget* now) {
    if (m_list && !m_list->Contains(now))
        CloseCellList(true);
    if (m_pendingEdit && now != m_pendingEdit)
        CommitFrequencyCell();
}

void CRQ7150View::MoveFocusTo(GridPosition target, Qt::FocusReason reason) {
    LeaveFocusedCell(Cell(target));
    FocusCell(target, reason);
}

void CRQ7150View::FocusCell(GridPosition target, Qt::FocusReason reason) {
    Cell(target)->setFocus(reason);
    if (target.cell != kDetailsCell)
        if (FrequencyEdit* edit = Row(target.row).Frequency(ColumnOfCell(target.cell)))
            edit->selectAll();
}

void CRQ7150View::StepFocus(int step) {
    const std::optional<GridPosition> from = FocusedPosition();
    if (!from)
        return;
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        // The commit may enable the cells the step goes to.
        LeaveFocusedCell(nullptr);
        const GridPosition target =
            StepGridFocus(*from, step, [this](GridPosition at) { return IsFocusable(at); });
        FocusCell(target, step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    SyncFocus();
}

void CRQ7150View::CommitFrequencyCell() {
    FrequencyEdit* edit = m_pendingEdit;
    m_pendingEdit = nullptr;
    const std::optional<GridPosition> at = PositionOf(edit);
    if (!at)
        return;
    const RadioImage before = m_session.image;
    const std::string text = FromQt(edit->text());
    const FrequencyCommit commit = ColumnOfCell(at->cell) == GridColumn::Rx
                                       ? m_editor.CommitRxCell(at->row, text, edit->isModified())
                                       : m_editor.CommitTxCell(at->row, text, edit->isModified());
    m_lastCommitWarned = commit.warned;
    // Cells of other rows follow too: the trunking rule may have given rows back.
    UpdateGridState();
    NotifyIfChanged(before);
}

void CRQ7150View::NotifyIfChanged(const RadioImage& before) {
    if (!(m_session.image == before))
        emit imageEdited();
}

// ---- drop-downs ----

void CRQ7150View::OpenCellList(GridPosition at) {
    CloseCellList(true);
    const GridColumn column = ColumnOfCell(at.cell);
    QLineEdit* cell = Row(at.row).Edit(column);
    const bool tone = SpecOfCell(at.cell).kind == CellKind::Tone;
    auto* list = tone ? new CellList(m_toneItems, CellList::Entry::ToneTyping, m_grid)
                      : new CellList(FlagChoices(column), CellList::Entry::ChooseOnly, m_grid);
    list->setObjectName(cell->objectName() + QStringLiteral("List"));
    list->setGeometry(cell->geometry());
    m_list = list;
    m_listCell = at;
    ShowStoredChoice();
    connect(list, &QComboBox::activated, this, &CRQ7150View::OnListActivated);
    connect(list, &CellList::dismissed, this, &CRQ7150View::OnListDismissed);
    list->installEventFilter(this);
    list->show();
    list->raise();
    list->setFocus(Qt::OtherFocusReason);
}

void CRQ7150View::CloseCellList(bool store) {
    if (!m_list)
        return;
    CellList* list = m_list;
    const GridPosition at = m_listCell;
    list->disconnect(this);
    const RadioImage before = m_session.image;
    if (store)
        StoreListChoice(*list, at);
    // Hiding a widget with the focus would hand it to the next widget in the chain.
    if (list->Contains(window()->focusWidget()))
        Cell(at)->setFocus(Qt::OtherFocusReason);
    m_list = nullptr;
    list->hidePopup();
    list->hide();
    list->deleteLater();
    RenderCell(at);
    NotifyIfChanged(before);
}

void CRQ7150View::StoreListChoice(CellList& list, GridPosition at) {
    const GridColumn column = ColumnOfCell(at.cell);
    if (SpecOfCell(at.cell).kind == CellKind::Flag)
        m_editor.SelectFlag(at.row, column, list.currentIndex());
    else
        m_editor.CommitToneCell(at.row, DirectionOfColumn(column), FromQt(list.currentText()));
}

void CRQ7150View::ShowStoredChoice() {
    const GridColumn column = ColumnOfCell(m_listCell.cell);
    if (SpecOfCell(m_listCell.cell).kind == CellKind::Flag)
        m_list->setCurrentIndex(FlagValue(m_session.image, m_listCell.row, *FlagOfColumn(column)) ? 1 : 0);
    else
        m_list->ShowText(ToQt(m_editor.CellText(m_listCell.row, column)));
}

void CRQ7150View::OnListActivated(int index) {
    if (!m_list || index < 0)
        return;
    const GridColumn column = ColumnOfCell(m_listCell.cell);
    const RadioImage before = m_session.image;
    if (SpecOfCell(m_listCell.cell).kind == CellKind::Flag)
        m_editor.SelectFlag(m_listCell.row, column, index);
    else
        m_editor.SelectTone(m_listCell.row, DirectionOfColumn(column), FromQt(m_list->itemText(index)));
    NotifyIfChanged(before);
}

void CRQ7150View::OnListDismissed() {
    if (m_list)
        ShowStoredChoice();
}

// ---- keyboard and mouse ----

bool CRQ7150View::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The grid's own keys are not for the cells' editing shortcuts nor for the window's.
        if ((m_list && watched == m_list) || PositionOf(watched))
            if (GridKeyOf(static_cast<const QKeyEvent&>(*event)).kind != GridKey::Kind::Other) {
                event->accept();
                return true;
            }
        break;
    case QEvent::KeyPress:
        if (!m_busy && ((m_list && watched == m_list) || PositionOf(watched)))
            return OnKeyPress(static_cast<const QKeyEvent&>(*event));
        break;
    case QEvent::MouseButtonPress:
        if (!m_busy)
            if (const std::optional<GridPosition> at = PositionOf(watched))
                return OnCellPress(*at, static_cast<const QMouseEvent&>(*event));
        break;
    case QEvent::ContextMenu:
        if (const std::optional<GridPosition> at = PositionOf(watched))
            return !AllowsContextMenu(*at);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // The drop-down follows its cell when the window is resized.
        if (m_list && watched == Cell(m_listCell))
            m_list->setGeometry(Cell(m_listCell)->geometry());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool CRQ7150View::OnKeyPress(const QKeyEvent& event) {
    const GridKey gridKey = GridKeyOf(event);
    if (gridKey.kind == GridKey::Kind::Row)
        RunRowCommand(gridKey.command);
    if (gridKey.kind != GridKey::Kind::Other)
        return true;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter acts as Tab; Shift+Enter is left to the cell.
        if (event.modifiers() & Qt::ShiftModifier)
            return false;
        StepFocus(1);
        return true;
    case Qt::Key_Tab:
        StepFocus(1);
        return true;
    case Qt::Key_Backtab:
        StepFocus(-1);
        return true;
    default:
        return false;
    }
}

bool CRQ7150View::OnCellPress(GridPosition at, const QMouseEvent& event) {
    if (event.button() == Qt::RightButton)
        return !AllowsContextMenu(at);
    if (event.button() != Qt::LeftButton || !Cell(at)->isEnabled())
        return false;
    m_lastCommitWarned = false;
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        MoveFocusTo(at, Qt::MouseFocusReason);
    }
    SyncFocus();
    // A drop-down now covers a choice cell; after a warning the click itself is over.
    const CellKind kind = SpecOfCell(at.cell).kind;
    return kind == CellKind::Tone || kind == CellKind::Flag || m_lastCommitWarned;
}

bool CRQ7150View::AllowsContextMenu(GridPosition at) const {
    if (at.cell == kDetailsCell)
        return false;
    switch (ColumnOfCell(at.cell)) {
    case GridColumn::Rx:
        return !m_editor.IsReservedRow(at.row);
    case GridColumn::Tx:
        return !Row(at.row).Edit(GridColumn::Tx)->text().isEmpty();
    default:
        // An open tone list covers its cell and offers its own edit menu.
        return false;
    }
}

} // namespace rpx::gui
