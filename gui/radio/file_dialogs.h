#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

#include "core/text/language_table.h"

namespace rpx::gui {

// Qt name filters ("Data files (*.dat)") from a filter text of description and pattern pairs
// separated by bars and ended by "||" ("Data files (*.dat)|*.dat|All files (*.*)|*.*||").
// Patterns in the description are replaced by the converted ones; "*.*" becomes "*", because on
// this system a file name need not contain a dot.
QStringList NameFiltersOf(std::string_view filterText);

// File paths are bytes in the file system's encoding, not language-file text.
QString ToQtPath(const std::string& path);
std::string FromQtPath(const QString& path);

// What the open and save dialogs share: the program's own dialog (so F1 reaches the help), the
// data-file filters, the suffix "dat" and the data directory as the first folder.
void PrepareDataFileDialog(QFileDialog& dialog, const LanguageTable& texts, const std::string& directory,
                           int helpContext);

// File > Save As: the chosen path, or nothing when the user cancels. Overwriting an existing file
// is asked before the dialog closes.
std::optional<std::string> GetSaveAsPath(QWidget* parent, const LanguageTable& texts,
                                         const std::string& directory, const std::string& fileName);

} // namespace rpx::gui
