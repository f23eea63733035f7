#pragma once

#include <QDialog>

#include <array>

#include "core/features/test_frequency_rules.h"
#include "gui/editor/frequency_edit.h"

namespace rpx::gui {

// Edit > Test frequency: a thin view over TestFrequencyRules, sixteen rows of a receive and a
// transmit field. A field is stored when it loses the focus; Cancel puts every byte back (the
// rules do, when they end without OK).
class TestFrequencyDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1358;

    TestFrequencyDialog(TestFrequencyRules& rules, const LanguageTable& texts, QWidget* parent);

    void accept() override;
    // The field of a record's side, record 1..16.
    FrequencyEdit& Field(int record, Direction direction) const;

private:
    void Commit(int record, Direction direction);
    void ShowAll();

    TestFrequencyRules& m_rules;
    // Receive and transmit field of each record.
    std::array<std::array<FrequencyEdit*, 2>, TestFrequencyRules::kRecords> m_fields{};
};

// Opens the dialog over parent and returns once it is closed: true after OK.
bool RunTestFrequencyDialog(Session& session, Notifier& notifier, QWidget* parent);

} // namespace rpx::gui
