#include "gui/editor/tx_frequency_dialog.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

#include "core/editor/cell_key_filters.h"
#include "gui/app/qt_text.h"
#include "gui/editor/row_dialog_layout.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002127;
constexpr TextId kRxLabel = 1001027;
constexpr TextId kTxLabel = 3003057;

} // namespace

TxFrequencyDialog::TxFrequencyDialog(const QString& rxFrequency, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_frequency(new FrequencyEdit(this)) {
    setWindowTitle(Tr(texts, kTitle));
    auto* rx = new QLabel(rxFrequency, this);
    rx->setObjectName(QStringLiteral("rxFrequency"));
    m_frequency->setObjectName(QStringLiteral("txFrequency"));
    m_frequency->setText(rxFrequency);
    m_frequency->selectAll();
    connect(m_frequency, &QLineEdit::textEdited, this, &TxFrequencyDialog::OnTextEdited);

    auto* form = new QFormLayout;
    form->addRow(Tr(texts, kRxLabel), rx);
    form->addRow(Tr(texts, kTxLabel), m_frequency);
    LayOutRowDialog(*this, form, texts);
}

void TxFrequencyDialog::OnTextEdited(const QString& text) {
    const QString kept = ToQt(DropMisplacedPoints(FromQt(text)));
    if (kept == text)
        return;
    // The cursor stays where the removed "." was typed.
    const int cursor =
        std::max(0, m_frequency->cursorPosition() - static_cast<int>(text.size() - kept.size()));
    m_frequency->setText(kept);
    m_frequency->setCursorPosition(cursor);
    QApplication::beep();
}

} // namespace rpx::gui
