#pragma once

#include <QWidget>

#include "core/features/optional_rules.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// The extended sheet's optional features page: the data channel, chosen from its list and stored at
// once.
class DataChannelPage : public QWidget {
    Q_OBJECT

public:
    DataChannelPage(OptionalRules& rules, const LanguageTable& texts, QWidget* parent);
};

} // namespace rpx::gui
