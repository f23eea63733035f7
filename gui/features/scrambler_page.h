#pragma once

#include <QWidget>

#include "core/features/scrambler_rules.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// The extended sheet's channel page: for each channel of the two groups a scrambler code (1..16)
// with its spin and the voice scrambler box, each stored as it changes.
class ScramblerPage : public QWidget {
    Q_OBJECT

public:
    ScramblerPage(ScramblerRules& rules, const LanguageTable& texts, QWidget* parent);
};

} // namespace rpx::gui
