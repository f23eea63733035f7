#pragma once

#include <QDialog>
#include <QString>

#include "core/text/language_table.h"

namespace rpx::gui {

// The lines that state this release, shared by the About box and the splash window.
QString TitleLine(const LanguageTable& texts);   // the program name and what it is
QString VersionLine(const LanguageTable& texts); // "Version 3.11"
QString ReleaseLine(const LanguageTable& texts); // the release date

// Help > About: the program's name, the radios it is for, its version and release date.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(const LanguageTable& texts, QWidget* parent);
};

} // namespace rpx::gui
