#pragma once

#include <QWidget>

#include <vector>

#include "core/features/function_port_rules.h"
#include "core/text/language_table.h"

namespace rpx::gui {

class CellList;

// The extended sheet's function port page: the eight port lines, each with the functions the port
// may take now; a choice is stored at once and the other lines' lists follow it.
class PortPage : public QWidget {
    Q_OBJECT

public:
    PortPage(FunctionPortRules& rules, const LanguageTable& texts, QWidget* parent);

private:
    void Refresh();

    FunctionPortRules& m_rules;
    std::vector<CellList*> m_lists;
};

} // namespace rpx::gui
