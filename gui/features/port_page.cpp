#include "gui/features/port_page.h"

#include <QFormLayout>
#include <QSignalBlocker>

#include "gui/app/qt_text.h"
#include "gui/editor/cell_list.h"

namespace rpx::gui {

PortPage::PortPage(FunctionPortRules& rules, const LanguageTable& texts, QWidget* parent)
    : QWidget(parent), m_rules(rules) {
    auto* form = new QFormLayout(this);
    for (int port = 0; port < FunctionPortRules::kPortCount; ++port) {
        auto* list = new CellList({}, CellList::Entry::ChooseOnly, this);
        list->setObjectName(QStringLiteral("port%1").arg(port + 1));
        list->setContextMenuPolicy(Qt::NoContextMenu);
        connect(list, &QComboBox::activated, this, [this, port](int item) {
            m_rules.SelectPortItem(port, item);
            Refresh();
        });
        form->addRow(Tr(texts, FunctionPortRules::PortLabel(port)), list);
        m_lists.push_back(list);
    }
    Refresh();
}

void PortPage::Refresh() {
    for (int port = 0; port < FunctionPortRules::kPortCount; ++port) {
        CellList* list = m_lists[static_cast<std::size_t>(port)];
        const QSignalBlocker blocker(list);
        list->clear();
        for (const FunctionPortRules::PortItem& item : m_rules.PortItems(port))
            list->addItem(ToQt(item.text));
        list->setCurrentIndex(m_rules.PortSelection(port));
    }
}

} // namespace rpx::gui
