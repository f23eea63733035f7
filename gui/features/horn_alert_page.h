#pragma once

#include <QWidget>

#include "core/features/dtmf_rules.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// The extended sheet's DTMF page: the horn alert logic and time, stored as the DTMF window stores
// them.
class HornAlertPage : public QWidget {
    Q_OBJECT

public:
    HornAlertPage(DtmfRules& rules, const LanguageTable& texts, QWidget* parent);
};

} // namespace rpx::gui
