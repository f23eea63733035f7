#pragma once

#include <QWidget>

#include "core/features/key_page_rules.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// The extended sheet's key page: the four channel keys and the two programmable keys, each with the
// list of functions the page's rules offer; a choice is stored at once.
class KeyPage : public QWidget {
    Q_OBJECT

public:
    KeyPage(KeyPageRules& rules, const LanguageTable& texts, QWidget* parent);
};

} // namespace rpx::gui
