#include "gui/features/test_frequency_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002107;

// Records 1..8 stand in the left half, 9..16 in the right.
constexpr int kRowsPerHalf = TestFrequencyRules::kRecords / 2;
constexpr int kColumnsPerHalf = 3;

std::size_t SideIndex(Direction direction) {
    return direction == Direction::Rx ? 0 : 1;
}

} // namespace

TestFrequencyDialog::TestFrequencyDialog(TestFrequencyRules& rules, const LanguageTable& texts,
                                         QWidget* parent)
    : QDialog(parent), m_rules(rules) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    auto* grid = new QGridLayout;
    for (int half = 0; half < 2; ++half) {
        const int column = half * kColumnsPerHalf;
        grid->addWidget(new QLabel(Tr(texts, TestFrequencyRules::kRxHeading), this), 0, column + 1,
                        Qt::AlignCenter);
        grid->addWidget(new QLabel(Tr(texts, TestFrequencyRules::kTxHeading), this), 0, column + 2,
                        Qt::AlignCenter);
    }
    for (int record = 1; record <= TestFrequencyRules::kRecords; ++record) {
        const int row = 1 + (record - 1) % kRowsPerHalf;
        const int column = (record - 1) / kRowsPerHalf * kColumnsPerHalf;
        grid->addWidget(new QLabel(QString::number(record), this), row, column, Qt::AlignRight);
        for (const Direction direction : {Direction::Rx, Direction::Tx}) {
            auto* field = new FrequencyEdit(this);
            field->setObjectName(QString("%1%2").arg(direction == Direction::Rx ? "rx" : "tx").arg(record));
            m_fields[static_cast<std::size_t>(record - 1)][SideIndex(direction)] = field;
            grid->addWidget(field, row, column + 1 + static_cast<int>(SideIndex(direction)));
            connect(field, &QLineEdit::editingFinished, this,
                    [this, record, direction] { Commit(record, direction); });
        }
    }
    // Row by row: receive then transmit, records in order.
    QWidget* previous = nullptr;
    for (const auto& sides : m_fields)
        for (FrequencyEdit* field : sides) {
            if (previous != nullptr)
                setTabOrder(previous, field);
            previous = field;
        }
    ShowAll();

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TestFrequencyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TestFrequencyDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

FrequencyEdit& TestFrequencyDialog::Field(int record, Direction direction) const {
    return *m_fields.at(static_cast<std::size_t>(record - 1))[SideIndex(direction)];
}

void TestFrequencyDialog::ShowAll() {
    for (int record = 1; record <= TestFrequencyRules::kRecords; ++record)
        for (const Direction direction : {Direction::Rx, Direction::Tx})
            Field(record, direction).ShowCellText(ToQt(m_rules.FrequencyText(record, direction)), true);
}

void TestFrequencyDialog::Commit(int record, Direction direction) {
    FrequencyEdit& field = Field(record, direction);
    const bool modified = field.isModified();
    // Cleared first: the out-of-band warning takes the focus and ends the editing once more.
    field.setModified(false);
    const TestFrequencyRules::Commit commit =
        m_rules.CommitFrequency(record, direction, FromQt(field.text()), modified);
    if (commit.refilled)
        ShowAll();
    else
        field.ShowCellText(ToQt(m_rules.FrequencyText(record, direction)), true);
    if (commit.warn)
        m_rules.ShowOutOfBandWarning();
}

void TestFrequencyDialog::accept() {
    if (m_rules.Ok())
        QDialog::accept();
}

bool RunTestFrequencyDialog(Session& session, Notifier& notifier, QWidget* parent) {
    TestFrequencyRules rules(session, notifier);
    TestFrequencyDialog dialog(rules, notifier.Texts(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
