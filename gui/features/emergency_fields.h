#pragma once

#include <QFont>
#include <QFormLayout>
#include <QWidget>

#include <map>
#include <vector>

#include "core/features/emergency_rules.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// A form of the emergency rules' fields, each control made by the field's kind and storing through
// the rules: lists and boxes at once, typed fields when they are left, spins on each click. After
// every change each control is shown again from the image, enabled as the rules say. The Emergency
// dialog shows its fields in two of them; the extended sheet's emergency page is one.
class EmergencyFields : public QWidget {
    Q_OBJECT

public:
    using Field = EmergencyRules::Field;

    // fields empty: every field of the rules.
    EmergencyFields(EmergencyRules& rules, const LanguageTable& texts, QWidget* parent,
                    std::vector<Field> fields = {});

    // The font of the three code fields.
    void SetCodeFont(const QFont& font);
    // Stores the field that holds the focus, as leaving it would.
    void CommitFocused();
    QWidget* Control(Field field) const { return m_controls.at(field); }

public slots:
    void Refresh();

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeControl(Field field, const LanguageTable& texts);
    void Commit(Field field);
    void Changed();

    EmergencyRules& m_rules;
    std::map<Field, QWidget*> m_controls;
};

} // namespace rpx::gui
