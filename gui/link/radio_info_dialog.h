#pragma once

#include <QDialog>
#include <QFont>

#include "core/link/radio_info.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// Tools > Radio information: what the connected radio reported, read-only.
class RadioInfoDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1359;

    RadioInfoDialog(const RadioInfoFields& fields, const LanguageTable& texts, const QFont& fixedFont,
                    QWidget* parent);
};

} // namespace rpx::gui
