#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>

#include "core/radio/model_dialog_rules.h"
#include "core/text/language_table.h"

namespace rpx::gui {

// The Model dialog: the model and its frequency range, and in extended mode the hidden functions.
// The caller opens the rules (Open()) before constructing it and runs ApplyAfterClose() after it.
class ModelDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1360;

    ModelDialog(ModelDialogRules& rules, const LanguageTable& texts, QWidget* parent);

    // Closes only when the rules accept (the user may decline the model-change question).
    void accept() override;
    // Cancel, Escape and closing the window: every byte back as it was.
    void reject() override;

protected:
    // Enter on a list moves to the other list, on a button presses it, elsewhere does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ModelChosen();
    void FreqChosen();
    void FillFreqList();

    ModelDialogRules& m_rules;
    QListWidget* m_modelList;
    QListWidget* m_freqList;
    QCheckBox* m_hiddenFunctions;
};

} // namespace rpx::gui
