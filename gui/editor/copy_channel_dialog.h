#pragma once

#include <QDialog>
#include <QLineEdit>

#include <string_view>

#include "core/editor/copy_target.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// The copy-channel dialog: the source row's group and channel, and the target group and channel, each
// a one-character field corrected when it loses the focus. OK copies through the rules and closes;
// the caller shows the dialog again until it is cancelled.
class CopyChannelDialog : public QDialog {
    Q_OBJECT

public:
    CopyChannelDialog(CopyChannelRules& rules, const LanguageTable& texts, QWidget* parent);

    void accept() override;

private:
    QLineEdit* MakeTargetField(int value, int (*correct)(std::string_view));

    CopyChannelRules& m_rules;
    QLineEdit* m_group;
    QLineEdit* m_channel;
};

} // namespace rpx::gui
