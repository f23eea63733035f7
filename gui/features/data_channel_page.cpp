#include "gui/features/data_channel_page.h"

#include <QFormLayout>

#include "gui/app/qt_text.h"
#include "gui/editor/cell_list.h"

namespace rpx::gui {

DataChannelPage::DataChannelPage(OptionalRules& rules, const LanguageTable& texts, QWidget* parent)
    : QWidget(parent) {
    using List = OptionalRules::List;
    QStringList items;
    for (const OptionalRules::Item& item : rules.Items(List::DataChannel))
        items << ToQt(item.text);
    auto* list = new CellList(items, CellList::Entry::ChooseOnly, this);
    list->setObjectName(QStringLiteral("datachannel"));
    list->setContextMenuPolicy(Qt::NoContextMenu);
    list->setCurrentIndex(rules.Selection(List::DataChannel));
    connect(list, &QComboBox::activated, this, [&rules](int item) { rules.Select(List::DataChannel, item); });
    auto* form = new QFormLayout(this);
    form->addRow(Tr(texts, OptionalRules::Label(List::DataChannel)), list);
}

} // namespace rpx::gui
