#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/editor/channel_grid_editor.h"
#include "core/editor/copy_target.h"
#include "gui/editor/cell_list.h"
#include "gui/editor/frequency_edit.h"
#include "gui/editor/grid_cells.h"

class QKeyEvent;
class QMouseEvent;

namespace rpx::gui {

class GridHeadings;
class GridRow;

// The program's main form: the eight channels of the image as a grid of two groups of four rows.
// RX and TX are typed; the other cells are covered by a drop-down while they have the focus. Every
// change is written to the image at once; everything shown is derived from the image again, with the
// editor deciding which cells can be used.
class CRQ7150View : public QWidget {
    Q_OBJECT

public:
    CRQ7150View(Session& session, Notifier& notifier, QWidget* parent = nullptr);
    ~CRQ7150View() override;

    // The view's part of its first showing: headings and cell sizes from the texts, then the grid of
    // the image the application has built.
    void OnInitialUpdate();
    // Every cell's text, and an open drop-down's value, from the image.
    void RefreshAllTexts();
    // Which rows are shown and which cells can be used, with their texts: group 2 is hidden on a
    // one-group model and disabled while no programmable key holds function code 11; then the
    // trunking rows. A cell that loses its use while it has the focus hands it to its row's RX cell.
    void RefreshGridState();
    // The editor's trunking rule, then the group-1 rows as it leaves them.
    void RefreshTrunkingRows();
    // The focus back on the cell that had it last, or on the RX cell of its row (of row 1 when the
    // row cannot be used) when that cell no longer can; an RX or TX text is then entirely selected.
    void RestoreFocus();
    void FocusChannelOneRx();
    // Hides an open drop-down without storing its choice: the image is about to be replaced.
    void CloseCellLists();
    // Stores what the focused cell holds (typed frequency, drop-down choice or typed tone) while the
    // focus stays there: Save, Print and Write read the image without moving the focus.
    void CommitPendingEdit();
    // The row 1..8 of the cell or drop-down holding the focus, 0 when the focus is outside the grid.
    int CurrentRow() const;
    ChannelGridEditor& Editor() { return m_editor; }

signals:
    // The user changed the image through the grid. Not emitted by the refresh operations above.
    void imageEdited();
    // A row's ">>" button or F10: the channel detail dialog of the row (1..8) is to open. The grid is
    // refreshed from the image once the receiver returns.
    void detailRequested(int row);
    // The same while the port is in trunking mode with trunking groups: the trunking channel dialog's.
    void trunkingChannelRequested(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GridRow& Row(int row) const;
    QWidget* Cell(GridPosition at) const;
    std::optional<GridPosition> PositionOf(const QObject* widget) const;
    std::optional<GridPosition> FocusedPosition() const;
    bool IsFocusable(GridPosition at) const;
    GridPosition FallbackOf(GridPosition at) const;
    QStringList FlagChoices(GridColumn column) const;

    void ApplyCellSizes();
    int CellWidth(int cell);
    void UpdateGridState();
    void ShowRow(int row);
    void RenderCell(GridPosition at);
    void SetCellEnabled(GridPosition at, bool enabled);

    void OnFocusChanged(QWidget* old, QWidget* now);
    void SyncFocus();
    void EnterCell(QWidget* widget);
    void LeaveFocusedCell(const QWidget* now);
    void MoveFocusTo(GridPosition target, Qt::FocusReason reason);
    void FocusCell(GridPosition target, Qt::FocusReason reason);
    void StepFocus(int step);
    void CommitFrequencyCell();
    void NotifyIfChanged(const RadioImage& before);

    void OpenCellList(GridPosition at);
    void CloseCellList(bool store);
    void StoreListChoice(CellList& list, GridPosition at);
    void ShowStoredChoice();
    void OnListActivated(int index);
    void OnListDismissed();

    // Row commands (crq7150_view_rows.cpp), on the row of the focused cell.
    void RunRowCommand(RowCommand command);
    void DropPendingEdit();
    void CopyChannelRows(int row);
    void EditTxFrequency(int row);
    void EditEncodeTone(int row);
    void CopyGroup(int row);
    void OpenDetails(int row);
    void ShowRowCommandResult(const RadioImage& before);

    bool OnKeyPress(const QKeyEvent& event);
    bool OnCellPress(GridPosition at, const QMouseEvent& event);
    bool AllowsContextMenu(GridPosition at) const;

    Session& m_session;
    Notifier& m_notifier;
    ChannelGridEditor m_editor;
    QStringList m_toneItems;
    QWidget* m_grid;
    std::unique_ptr<GridHeadings> m_headings;
    std::vector<std::unique_ptr<GridRow>> m_rows;

    // The open drop-down and the cell it covers.
    QPointer<CellList> m_list;
    GridPosition m_listCell;
    // The frequency cell holding the focus, not yet committed since it received it.
    QPointer<FrequencyEdit> m_pendingEdit;
    // The grid cell that received the focus last.
    std::optional<GridPosition> m_focusedCell;
    // A commit, a drop-down being opened or closed, or a program-driven focus move is running: the
    // focus changes it causes are its own.
    bool m_busy = false;
    bool m_lastCommitWarned = false;
    // The copy dialog's target of the last copy, offered again while the program runs.
    std::optional<CopyTarget> m_lastCopyTarget;
};

} // namespace rpx::gui
