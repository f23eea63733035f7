#pragma once

#include <QDialog>

#include "core/text/language_table.h"
#include "gui/editor/frequency_edit.h"

namespace rpx::gui {

// The TX frequency dialog of a grid row: the row's RX frequency, and a field for the TX frequency
// that starts with it. The field takes a "." only as its fourth character and only once; any other
// "." is removed again at once, with a beep. The caller stores the field's text on OK.
class TxFrequencyDialog : public QDialog {
    Q_OBJECT

public:
    TxFrequencyDialog(const QString& rxFrequency, const LanguageTable& texts, QWidget* parent);

    QString Frequency() const { return m_frequency->text(); }

private:
    void OnTextEdited(const QString& text);

    FrequencyEdit* m_frequency;
};

} // namespace rpx::gui
