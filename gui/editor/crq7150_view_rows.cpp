// The grid's row commands: delete, insert, the copy, TX frequency, encode tone and group copy dialogs,
// and the ">>" button.
#include <QScopedValueRollback>

#include "gui/app/qt_text.h"
#include "gui/editor/copy_channel_dialog.h"
#include "gui/editor/crq7150_view.h"
#include "gui/editor/encode_tone_dialog.h"
#include "gui/editor/grid_row.h"
#include "gui/editor/group_copy_dialog.h"
#include "gui/editor/tx_frequency_dialog.h"

namespace rpx::gui {

void CRQ7150View::RunRowCommand(RowCommand command) {
    const int row = CurrentRow();
    if (row == 0)
        return;
    // A deleted row takes what was typed into it along; every other command sees it stored.
    if (command == RowCommand::Delete)
        DropPendingEdit();
    else
        CommitPendingEdit();
    if (!m_editor.Offers(command, row))
        return;
    const RadioImage before = m_session.image;
    switch (command) {
    case RowCommand::Delete:
        m_editor.DeleteChannel(row);
        break;
    case RowCommand::Insert:
        m_editor.InsertChannel(row);
        if (m_focusedCell && m_focusedCell->cell != kDetailsCell)
            m_focusedCell = GridPosition{row, 0};
        break;
    case RowCommand::CopyChannel:
        CopyChannelRows(row);
        break;
    case RowCommand::TxFrequency:
        EditTxFrequency(row);
        break;
    case RowCommand::EncodeTone:
        EditEncodeTone(row);
        break;
    case RowCommand::GroupCopy:
        CopyGroup(row);
        break;
    case RowCommand::Details:
        OpenDetails(row);
        return;
    }
    ShowRowCommandResult(before);
}

void CRQ7150View::DropPendingEdit() {
    QScopedValueRollback<bool> busy(m_busy, true);
    m_pendingEdit = nullptr;
    CloseCellList(false);
}

void CRQ7150View::CopyChannelRows(int row) {
    CopyChannelRules rules(m_editor, m_lastCopyTarget, row);
    // Shown again after each copy, so that one channel can be copied to several rows.
    for (;;) {
        CopyChannelDialog dialog(rules, m_notifier.Texts(), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        RefreshAllTexts();
        RefreshGridState();
    }
}

void CRQ7150View::EditTxFrequency(int row) {
    TxFrequencyDialog dialog(ToQt(m_editor.CellText(row, GridColumn::Rx)), m_notifier.Texts(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_editor.CommitTxCell(row, FromQt(dialog.Frequency()), true);
}

void CRQ7150View::EditEncodeTone(int row) {
    EncodeToneDialog dialog(ToQt(m_editor.CellText(row, GridColumn::Decode)),
                            ToQt(m_editor.CellText(row, GridColumn::Encode)), m_toneItems, m_notifier.Texts(),
                            this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string tone = FromQt(dialog.Tone());
    if (!m_editor.SelectTone(row, Direction::Tx, tone))
        m_editor.CommitToneCell(row, Direction::Tx, tone);
}

void CRQ7150View::CopyGroup(int row) {
    GroupCopyDialog dialog(CopyTarget::OfRow(row).group, m_notifier, this);
    if (dialog.exec() == QDialog::Accepted)
        m_editor.CopyGroup(row);
}

void CRQ7150View::OpenDetails(int row) {
    if (!m_editor.Offers(RowCommand::Details, row))
        return;
    const RadioImage before = m_session.image;
    {
        QScopedValueRollback<bool> busy(m_busy, true);
        MoveFocusTo({row, kDetailsCell}, Qt::OtherFocusReason);
    }
    SyncFocus();
    if (m_editor.OpensTrunkingChannelDialog())
        emit trunkingChannelRequested(row);
    else
        emit detailRequested(row);
    ShowRowCommandResult(before);
}

void CRQ7150View::ShowRowCommandResult(const RadioImage& before) {
    RefreshAllTexts();
    RefreshGridState();
    RestoreFocus();
    NotifyIfChanged(before);
}

} // namespace rpx::gui
