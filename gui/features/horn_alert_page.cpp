#include "gui/features/horn_alert_page.h"

#include <QFormLayout>

#include "gui/app/qt_text.h"
#include "gui/editor/cell_list.h"
#include "gui/features/number_spin_field.h"

namespace rpx::gui {

HornAlertPage::HornAlertPage(DtmfRules& rules, const LanguageTable& texts, QWidget* parent)
    : QWidget(parent) {
    using List = DtmfRules::List;
    using Spin = DtmfRules::Spin;
    auto* logic =
        new CellList(ToQtList(rules.ListItems(List::HornAlertLogic)), CellList::Entry::ChooseOnly, this);
    logic->setObjectName(QStringLiteral("horn-alert-logic"));
    logic->setContextMenuPolicy(Qt::NoContextMenu);
    logic->setCurrentIndex(rules.ListSelection(List::HornAlertLogic));
    connect(logic, &QComboBox::activated, this,
            [&rules](int item) { rules.SelectList(List::HornAlertLogic, item); });
    auto* time = NumberSpinField::OverRules(
        static_cast<int>(DtmfRules::SpinWidth(Spin::HornAlertTime)),
        [&rules](int step) { return rules.StepSpin(Spin::HornAlertTime, step); },
        [&rules](std::string_view typed) { return rules.LeaveSpin(Spin::HornAlertTime, typed); }, this);
    time->setObjectName(QStringLiteral("horn-alert-time"));
    time->ShowText(ToQt(rules.SpinText(Spin::HornAlertTime)));
    auto* form = new QFormLayout(this);
    form->addRow(Tr(texts, DtmfRules::Label(List::HornAlertLogic)), logic);
    form->addRow(Tr(texts, DtmfRules::Label(Spin::HornAlertTime)), time);
}

} // namespace rpx::gui
