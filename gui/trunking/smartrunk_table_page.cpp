#include "gui/trunking/smartrunk_table_page.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

// Edits a value cell with at most maxDigits digits.
class DigitsDelegate : public QStyledItemDelegate {
public:
    DigitsDelegate(int maxDigits, QObject* parent) : QStyledItemDelegate(parent), m_maxDigits(maxDigits) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(m_maxDigits);
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        return edit;
    }

private:
    int m_maxDigits;
};

} // namespace

SmarTrunkTablePage::SmarTrunkTablePage(int rows, int maxDigits, const Columns& columns, RowText name,
                                       RowText value, Commit commit, QWidget* parent)
    : QTableWidget(rows, 2, parent), m_name(std::move(name)), m_value(std::move(value)),
      m_commit(std::move(commit)) {
    verticalHeader()->hide();
    if (columns.nameHeading.isEmpty())
        horizontalHeader()->hide();
    else
        setHorizontalHeaderLabels({columns.nameHeading, columns.valueHeading});
    setColumnWidth(0, columns.nameWidth);
    setColumnWidth(1, columns.valueWidth);
    setItemDelegateForColumn(1, new DigitsDelegate(maxDigits, this));
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    Load();
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const QSignalBlocker blocker(this);
        item->setText(ToQt(m_commit(item->row(), FromQt(item->text()))));
    });
}

void SmarTrunkTablePage::Load() {
    const QSignalBlocker blocker(this);
    for (int row = 0; row < rowCount(); ++row) {
        auto* name = new QTableWidgetItem(ToQt(m_name(row)));
        name->setFlags(Qt::ItemIsEnabled);
        setItem(row, 0, name);
        setItem(row, 1, new QTableWidgetItem(ToQt(m_value(row))));
    }
}

} // namespace rpx::gui
