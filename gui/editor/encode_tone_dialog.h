#pragma once

#include <QDialog>
#include <QStringList>

#include "core/text/language_table.h"
#include "gui/editor/cell_list.h"

namespace rpx::gui {

// The encode tone dialog of a grid row: the row's decode tone, and the tone list for its encode tone,
// where a tone can also be typed as in the grid. The caller stores the chosen or typed text on OK.
class EncodeToneDialog : public QDialog {
    Q_OBJECT

public:
    EncodeToneDialog(const QString& decodeTone, const QString& encodeTone, const QStringList& toneItems,
                     const LanguageTable& texts, QWidget* parent);

    QString Tone() const { return m_encode->currentText(); }

private:
    CellList* m_encode;
};

} // namespace rpx::gui
