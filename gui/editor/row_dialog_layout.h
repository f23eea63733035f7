#pragma once

#include <QDialog>
#include <QLayout>

#include "core/text/language_table.h"

namespace rpx::gui {

enum class RowDialogDefault { Ok, Cancel };

// Lays out a dialog of the grid's row commands: its fields, then OK and Cancel, at a fixed size.
// Enter presses the default button.
void LayOutRowDialog(QDialog& dialog, QLayout* fields, const LanguageTable& texts,
                     RowDialogDefault defaultButton = RowDialogDefault::Ok);

} // namespace rpx::gui
