#pragma once

#include <QWidget>

#include <array>

#include "core/features/dtmf_rules.h"
#include "gui/features/code_edit.h"

namespace rpx::gui {

// The autodial memory page of the DTMF dialog: nine code fields stored when left; Enter moves
// 1 → 2 → ... → 9 → 1.
class DtmfMemoryPage : public QWidget {
    Q_OBJECT

public:
    DtmfMemoryPage(DtmfRules& rules, const LanguageTable& texts, const QFont& codeFont, QWidget* parent);

    // Stores field when it is one of the memories.
    void CommitField(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DtmfRules& m_rules;
    std::array<CodeEdit*, DtmfRules::kMemories> m_memories{};
};

} // namespace rpx::gui
