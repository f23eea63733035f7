#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

#include "core/features/extended_sheet_rules.h"

namespace rpx::gui {

// The extended settings sheet (extended mode only): one tab per page of ExtendedSheetRules, each a
// view over that page's rules. OK keeps every page's changes, Cancel undoes them all.
// A page is one row of kPages in extended_sheet.cpp: its title, its name in ExtendedSheetRules and
// its widget class, whose constructor takes (Rules&, const LanguageTable&, QWidget* parent).
class ExtendedSheet : public QDialog {
    Q_OBJECT

public:
    ExtendedSheet(ExtendedSheetRules& rules, const LanguageTable& texts, QWidget* parent);

    QTabWidget& Pages() const { return *m_pages; }
    void accept() override;

private:
    ExtendedSheetRules& m_rules;
    QTabWidget* m_pages;
    QPushButton* m_ok;
};

// Opens the sheet over parent and returns once it is closed: true after OK.
bool RunExtendedSheet(Session& session, Notifier& notifier, QWidget* parent);

} // namespace rpx::gui
