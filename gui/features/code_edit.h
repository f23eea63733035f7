#pragma once

#include <QLineEdit>

#include "core/features/dtmf_rules.h"

namespace rpx::gui {

// A DTMF code field: typed characters pass the field's filter (DtmfRules::TypedCodeCharacter),
// Shift+Insert and the context menu are swallowed.
class CodeEdit : public QLineEdit {
    Q_OBJECT

public:
    CodeEdit(DtmfRules::Page page, bool stunCode, int width, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    DtmfRules::Page m_page;
    bool m_stunCode;
};

} // namespace rpx::gui
