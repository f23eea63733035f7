#include "gui/features/key_page.h"

#include <QFormLayout>
#include <QLabel>

#include "gui/app/qt_text.h"
#include "gui/editor/cell_list.h"
#include "gui/features/key_panel_picture.h"

namespace rpx::gui {

KeyPage::KeyPage(KeyPageRules& rules, const LanguageTable& texts, QWidget* parent) : QWidget(parent) {
    auto* form = new QFormLayout(this);
    const QStringList items = ToQtList(rules.ItemTexts());
    for (int key = 0; key < KeyPageRules::kKeyCount; ++key) {
        auto* list = new CellList(items, CellList::Entry::ChooseOnly, this);
        list->setObjectName(QStringLiteral("key%1").arg(key));
        list->setContextMenuPolicy(Qt::NoContextMenu);
        list->setCurrentIndex(rules.Selection(key));
        connect(list, &QComboBox::activated, this, [&rules, key](int item) { rules.Select(key, item); });
        const int programmable = key - KeyPageRules::kChannelCodes;
        if (programmable < 0) {
            form->addRow(Tr(texts, KeyPageRules::kChannelKeyLabels[key]), list);
        } else {
            auto* symbol = new QLabel(this);
            symbol->setPixmap(KeyPanelPicture::KeySymbol(programmable));
            form->addRow(symbol, list);
        }
    }
}

} // namespace rpx::gui
