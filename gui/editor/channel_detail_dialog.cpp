#include "gui/editor/channel_detail_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kRx = 1001065;
constexpr TextId kTx = 1001067;
constexpr TextId kFrequency = 1001049;
constexpr TextId kToneLabel = 3013025;
constexpr TextId kDecode = 3010049;
constexpr TextId kEncode = 3010047;

struct ListSpec {
    DetailList list;
    const char* name;
    TextId label;
};
// In the order the dialog shows them below the frequency cells.
constexpr ListSpec kListSpecs[] = {
    {DetailList::Decode, "decode", 0},
    {DetailList::Encode, "encode", 0},
    {DetailList::Unmute, "unmute", 3013001},
    {DetailList::Lockout, "lockout", 3013003},
    {DetailList::Bandwidth, "bandwidth", 3013005},
    {DetailList::PttId, "pttId", 3013007},
    {DetailList::ScramblerCode, "scramblerCode", 3017057},
};

struct BoxSpec {
    DetailBox box;
    const char* name;
    TextId text;
};
constexpr BoxSpec kBoxSpecs[] = {
    {DetailBox::HighPower, "highPower", 3013009},
    {DetailBox::ScanAdd, "scanAdd", 3013011},
    {DetailBox::OptionSignalling, "optionSignalling", 3013023},
    {DetailBox::BeatShift, "beatShift", 3013013},
    {DetailBox::VoiceScrambler, "voiceScrambler", 3017059},
};

QString Joined(const LanguageTable& texts, TextId first, TextId second) {
    return Tr(texts, first) + QLatin1Char(' ') + Tr(texts, second);
}

bool IsTone(DetailList list) {
    return list == DetailList::Decode || list == DetailList::Encode;
}

// Lists whose items change with the RX tone and option signalling.
bool HasChangingItems(DetailList list) {
    return list == DetailList::Unmute || list == DetailList::Lockout;
}

FrequencyEdit* MakeFrequencyEdit(const char* name, QWidget* parent) {
    auto* edit = new FrequencyEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

} // namespace

ChannelDetailDialog::ChannelDetailDialog(ChannelDetailRules& rules, const LanguageTable& texts,
                                         QWidget* parent)
    : QDialog(parent), m_rules(rules), m_rx(MakeFrequencyEdit("rx", this)),
      m_tx(MakeFrequencyEdit("tx", this)) {
    setWindowTitle(ToQt(m_rules.Title()));
    setProperty("helpContext", kHelpContext);

    auto* cells = new QGridLayout;
    cells->addWidget(new QLabel(Joined(texts, kRx, kFrequency), this), 0, 0);
    cells->addWidget(m_rx, 0, 1);
    cells->addWidget(new QLabel(Joined(texts, kTx, kFrequency), this), 1, 0);
    cells->addWidget(m_tx, 1, 1);
    for (const ListSpec& spec : kListSpecs) {
        const bool tone = IsTone(spec.list);
        auto* list = new CellList(ToQtList(m_rules.ListItems(spec.list)),
                                  tone ? CellList::Entry::ToneTyping : CellList::Entry::ChooseOnly, this);
        list->setObjectName(QString::fromLatin1(spec.name));
        m_lists[static_cast<std::size_t>(spec.list)] = list;
        const QString label =
            spec.label != 0 ? Tr(texts, spec.label)
                            : Joined(texts, kToneLabel, spec.list == DetailList::Decode ? kDecode : kEncode);
        const int row = cells->rowCount();
        cells->addWidget(new QLabel(label, this), row, 0);
        cells->addWidget(list, row, 1);
        connect(list, &QComboBox::activated, this, [this, which = spec.list](int item) {
            m_rules.SelectItem(which, item);
            Refresh();
        });
        if (tone) {
            connect(list->lineEdit(), &QLineEdit::returnPressed, this,
                    [this, which = spec.list] { CommitTypedTone(which); });
            // A list closed without a choice drops what was typed.
            connect(list, &CellList::dismissed, this, &ChannelDetailDialog::Refresh);
        }
    }

    auto* boxes = new QVBoxLayout;
    for (const BoxSpec& spec : kBoxSpecs) {
        auto* box = new QCheckBox(Tr(texts, spec.text), this);
        box->setObjectName(QString::fromLatin1(spec.name));
        m_boxes[static_cast<std::size_t>(spec.box)] = box;
        boxes->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, which = spec.box](bool checked) {
            m_rules.SetBox(which, checked);
            Refresh();
        });
    }
    boxes->addStretch();

    // A typed tone is stored when the focus leaves its list, but not for the list's own item view; one
    // typed on entering the list replaces the tone shown.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        for (DetailList tone : {DetailList::Decode, DetailList::Encode}) {
            CellList& list = List(tone);
            if (list.Contains(old) && !list.Contains(now))
                CommitTypedTone(tone);
            else if (!list.Contains(old) && list.Contains(now))
                list.lineEdit()->selectAll();
        }
    });
    connect(m_rx, &QLineEdit::editingFinished, this, [this] { CommitFrequency(*m_rx, Direction::Rx); });
    connect(m_tx, &QLineEdit::editingFinished, this, [this] { CommitFrequency(*m_tx, Direction::Tx); });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ChannelDetailDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ChannelDetailDialog::reject);

    auto* fields = new QHBoxLayout;
    fields->addLayout(cells);
    fields->addSpacing(fontMetrics().averageCharWidth() * 2);
    fields->addLayout(boxes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Refresh();
}

void ChannelDetailDialog::Refresh() {
    for (auto [edit, direction] : {std::pair{m_rx, Direction::Rx}, std::pair{m_tx, Direction::Tx}}) {
        edit->ShowCellText(ToQt(m_rules.FrequencyText(direction)), true);
        edit->setEnabled(m_rules.IsFrequencyEnabled(direction));
    }
    for (const ListSpec& spec : kListSpecs) {
        CellList& list = List(spec.list);
        const QSignalBlocker blocker(list);
        if (HasChangingItems(spec.list)) {
            list.clear();
            list.addItems(ToQtList(m_rules.ListItems(spec.list)));
        }
        if (IsTone(spec.list)) {
            list.ShowText(ToQt(m_rules.ListText(spec.list)));
            // Selected for typing over only while the list has the focus.
            if (!list.Contains(focusWidget()))
                list.lineEdit()->deselect();
        }
        else
            list.setCurrentIndex(m_rules.ListSelection(spec.list));
        list.setEnabled(m_rules.IsListEnabled(spec.list));
    }
    for (const BoxSpec& spec : kBoxSpecs) {
        QCheckBox& box = *m_boxes[static_cast<std::size_t>(spec.box)];
        box.setChecked(m_rules.IsBoxChecked(spec.box));
        box.setEnabled(m_rules.IsBoxEnabled(spec.box));
    }
}

void ChannelDetailDialog::CommitFrequency(FrequencyEdit& edit, Direction direction) {
    if (!edit.isModified())
        return;
    // Cleared first: the out-of-band warning takes the focus and ends the editing once more.
    edit.setModified(false);
    m_rules.CommitFrequency(direction, FromQt(edit.text()), true);
    Refresh();
}

void ChannelDetailDialog::CommitTypedTone(DetailList list) {
    const std::string typed = FromQt(List(list).currentText());
    if (typed == m_rules.ListText(list))
        return;
    m_rules.CommitTypedTone(list == DetailList::Decode ? Direction::Rx : Direction::Tx, typed);
    Refresh();
}

bool ChannelDetailDialog::focusNextPrevChild(bool next) {
    // Tab stores the cell it leaves first, so that the cells it enables can take the focus.
    QWidget* focused = focusWidget();
    if (focused == m_rx)
        CommitFrequency(*m_rx, Direction::Rx);
    else if (focused == m_tx)
        CommitFrequency(*m_tx, Direction::Tx);
    for (DetailList tone : {DetailList::Decode, DetailList::Encode})
        if (List(tone).Contains(focused))
            CommitTypedTone(tone);
    return QDialog::focusNextPrevChild(next);
}

void ChannelDetailDialog::accept() {
    m_rules.Ok();
    QDialog::accept();
}

void ChannelDetailDialog::reject() {
    m_rules.Cancel();
    QDialog::reject();
}

bool RunChannelDetailDialog(Session& session, Notifier& notifier, int row, QWidget* parent) {
    ChannelDetailRules rules(session, notifier, row);
    if (!rules.Opens())
        return false;
    rules.Open();
    ChannelDetailDialog dialog(rules, notifier.Texts(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
