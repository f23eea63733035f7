#include "gui/radio/model_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "core/radio/model_variant.h"
#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002101;
constexpr TextId kModelLabel = 3005023;
constexpr TextId kFreqLabel = 3005027;
constexpr TextId kHiddenFunctionsText = 3002119;

QListWidget* MakeList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

// Shows items and selection as the rules have them, without reporting it back as a choice.
void ShowEntries(QListWidget& list, const std::vector<std::string>& items, int selection) {
    const QSignalBlocker blocker(list);
    list.clear();
    for (const std::string& item : items)
        list.addItem(ToQt(item));
    list.setCurrentRow(selection);
}

void ShowSelection(QListWidget& list, int selection) {
    const QSignalBlocker blocker(list);
    list.setCurrentRow(selection);
    if (selection < 0)
        list.clearSelection();
}

// Only a selection is a choice: a list that merely receives the focus gets a current row, and
// that must not change the image.
int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> items = list.selectedItems();
    return items.isEmpty() ? -1 : list.row(items.constFirst());
}

// Every entry of every model fits without scrolling, so the dialog keeps its size whatever is chosen.
QSize ListSize(const QListWidget& list, const QStringList& entries, int rows, int rowHeight) {
    int width = 0;
    for (const QString& entry : entries)
        width = std::max(width, list.fontMetrics().horizontalAdvance(entry));
    const int frame = 2 * list.frameWidth();
    return {width + frame + 4 * list.fontMetrics().averageCharWidth(), rows * rowHeight + frame};
}

QStringList AllRangeTexts(const LanguageTable& texts) {
    QStringList entries;
    for (const ModelVariant& variant : ModelVariants())
        for (uint8_t code : variant.rangeCodes)
            entries.push_back(ToQt(RangeText(texts, code)));
    return entries;
}

int LongestRangeList() {
    std::size_t rows = 0;
    for (const ModelVariant& variant : ModelVariants())
        rows = std::max(rows, variant.rangeCodes.size());
    return static_cast<int>(rows);
}

} // namespace

ModelDialog::ModelDialog(ModelDialogRules& rules, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_rules(rules), m_modelList(MakeList(QStringLiteral("modelList"), this)),
      m_freqList(MakeList(QStringLiteral("freqList"), this)),
      m_hiddenFunctions(new QCheckBox(Tr(texts, kHiddenFunctionsText), this)) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    ShowEntries(*m_modelList, m_rules.ModelListItems(), m_rules.ModelSelection());
    FillFreqList();
    QStringList models;
    for (int row = 0; row < m_modelList->count(); ++row)
        models.push_back(m_modelList->item(row)->text());
    const int rows = LongestRangeList();
    const int rowHeight = m_modelList->sizeHintForRow(0);
    const QSize modelSize = ListSize(*m_modelList, models, rows, rowHeight);
    const QSize freqSize = ListSize(*m_freqList, AllRangeTexts(texts), rows, rowHeight);
    m_modelList->setFixedSize(std::max(modelSize.width(), freqSize.width()), modelSize.height());
    m_freqList->setFixedSize(m_modelList->size());

    m_hiddenFunctions->setObjectName(QStringLiteral("hiddenFunctions"));
    m_hiddenFunctions->setChecked(m_rules.HiddenFunctionsTicked());
    m_hiddenFunctions->setVisible(m_rules.HiddenFunctionsShown());

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(Tr(texts, kModelLabel), this), 0, 0);
    lists->addWidget(new QLabel(Tr(texts, kFreqLabel), this), 0, 1);
    lists->addWidget(m_modelList, 1, 0);
    lists->addWidget(m_freqList, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(m_hiddenFunctions);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_modelList, &QListWidget::itemSelectionChanged, this, &ModelDialog::ModelChosen);
    connect(m_freqList, &QListWidget::itemSelectionChanged, this, &ModelDialog::FreqChosen);
    connect(m_hiddenFunctions, &QCheckBox::toggled, this,
            [this](bool ticked) { m_rules.SetHiddenFunctions(ticked); });
    connect(buttons, &QDialogButtonBox::accepted, this, &ModelDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ModelDialog::reject);
}

void ModelDialog::ModelChosen() {
    const int row = SelectedRow(*m_modelList);
    if (row >= 0) {
        m_rules.SelectModel(row);
        FillFreqList();
    }
    ShowSelection(*m_modelList, m_rules.ModelSelection());
}

void ModelDialog::FreqChosen() {
    const int row = SelectedRow(*m_freqList);
    if (row >= 0)
        m_rules.SelectFreq(row);
    ShowSelection(*m_freqList, m_rules.FreqSelection());
}

void ModelDialog::FillFreqList() {
    ShowEntries(*m_freqList, m_rules.FreqListItems(), m_rules.FreqSelection());
}

void ModelDialog::accept() {
    if (m_rules.Ok())
        QDialog::accept();
}

void ModelDialog::reject() {
    m_rules.Cancel();
    QDialog::reject();
}

void ModelDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The buttons take Enter themselves; the lists pass it on to here.
    if (focusWidget() == m_modelList)
        m_freqList->setFocus(Qt::TabFocusReason);
    else if (focusWidget() == m_freqList)
        m_modelList->setFocus(Qt::TabFocusReason);
}

} // namespace rpx::gui
