#include "gui/trunking/trunking_channel_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kFrequencyHeading = 3005027;
constexpr TextId kRxLabel = 1001059;
constexpr TextId kTxLabel = 1001057;
constexpr TextId kToneHeading = 3013025;
constexpr TextId kDecodeLabel = 3010049;
constexpr TextId kEncodeLabel = 3010047;
constexpr TextId kPowerLabel = 3016001;
constexpr TextId kBandwidthLabel = 3016003;
constexpr TextId kBeatShiftLabel = 3013013;
constexpr int kFirstRow = 2; // below the two heading rows

} // namespace

TrunkingChannelDialog::TrunkingChannelDialog(TrunkingChannelRules& rules, const LanguageTable& texts,
                                             QWidget* parent)
    : QDialog(parent), m_rules(rules) {
    setWindowTitle(ToQt(rules.Title()));
    setProperty("helpContext", kHelpContext);
    auto* grid = new QGridLayout;
    auto label = [&](TextId id, int row, int column, int span = 1) {
        grid->addWidget(new QLabel(Tr(texts, id), this), row, column, 1, span, Qt::AlignCenter);
    };
    label(kFrequencyHeading, 0, 1, 2);
    label(kToneHeading, 0, 3, 2);
    int column = 1;
    for (TextId id :
         {kRxLabel, kTxLabel, kDecodeLabel, kEncodeLabel, kPowerLabel, kBandwidthLabel, kBeatShiftLabel})
        label(id, 1, column++);

    std::map<TrunkingList, QStringList> items;
    for (TrunkingList list : kLists)
        items[list] = ToQtList(rules.ListItems(list));
    for (int channel = 1; channel <= TrunkingChannelRules::kChannels; ++channel) {
        Row& row = m_rows[channel - 1];
        const int gridRow = kFirstRow + channel - 1;
        grid->addWidget(new QLabel(QString::number(channel), this), gridRow, 0);
        for (Direction direction : {Direction::Rx, Direction::Tx}) {
            auto* edit = new FrequencyEdit(this);
            edit->setObjectName(
                QStringLiteral("%1%2").arg(direction == Direction::Rx ? "rx" : "tx").arg(channel));
            connect(edit, &QLineEdit::editingFinished, this, [this, edit, channel, direction] {
                m_rules.CommitFrequency(channel, direction, FromQt(edit->text()), edit->isModified());
                ShowRow(channel);
            });
            row.frequencies[direction == Direction::Rx ? 0 : 1] = edit;
            grid->addWidget(edit, gridRow, direction == Direction::Rx ? 1 : 2);
        }
        int listColumn = 3;
        for (TrunkingList list : kLists) {
            auto* cell = new CellList(items[list], CellList::Entry::ChooseOnly, this);
            connect(cell, &QComboBox::activated, this, [this, channel, list](int item) {
                m_rules.SelectItem(channel, list, item);
                ShowRow(channel);
            });
            row.lists[list] = cell;
            grid->addWidget(cell, gridRow, listColumn++);
        }
        ShowRow(channel);
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TrunkingChannelDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TrunkingChannelDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TrunkingChannelDialog::ShowRow(int channel) {
    for (Direction direction : {Direction::Rx, Direction::Tx})
        Frequency(channel, direction)->ShowCellText(ToQt(m_rules.FrequencyText(channel, direction)), true);
    for (TrunkingList list : kLists) {
        const QSignalBlocker blocker(List(channel, list));
        List(channel, list)->setCurrentIndex(m_rules.ListSelection(channel, list));
    }
}

void TrunkingChannelDialog::accept() {
    m_rules.Ok();
    QDialog::accept();
}

bool RunTrunkingChannelDialog(Session& session, Notifier& notifier, int row, QWidget* parent) {
    if (!TrunkingChannelRules::Opens(session.image, row))
        return false;
    TrunkingChannelRules rules(session, notifier, row);
    TrunkingChannelDialog dialog(rules, notifier.Texts(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
