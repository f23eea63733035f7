#pragma once

#include <QFileDialog>
#include <QFont>
#include <QLineEdit>

#include <optional>
#include <string>

#include "core/radio/document.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// File > Open: the data-file dialog with the embedded message of the selected file shown below
// the file list, so the user can tell data files apart before opening one.
class OpenDataFileDialog : public QFileDialog {
    Q_OBJECT

public:
    OpenDataFileDialog(QWidget* parent, const LanguageTable& texts, const Document& document,
                       const std::string& directory, const QFont& fixedFont);

    // The chosen path, or nothing when the user cancels.
    static std::optional<std::string> GetOpenPath(QWidget* parent, const LanguageTable& texts,
                                                  const Document& document, const std::string& directory,
                                                  const QFont& fixedFont);

private:
    void ShowPreview(const QString& path);

    const Document& m_document;
    QLineEdit* m_firstLine;
    QLineEdit* m_secondLine;
};

} // namespace rpx::gui
