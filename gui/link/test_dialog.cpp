#include "gui/link/test_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/link/test_mode_session.h"
#include "gui/app/on_gui_thread.h"
#include "gui/app/qt_text.h"
#include "gui/link/tuning_dialog.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 1001055;
constexpr TextId kChannelCaption = 3012029;
constexpr TextId kSignallingCaption = 3012027;
constexpr TextId kReceive = 1001027;
constexpr TextId kTransmit = 1001025;
constexpr TextId kTuningItemCaption = 3012025;
constexpr TextId kSpacingCaption = 3012051;
constexpr TextId kWide = 3012053;
constexpr TextId kNarrow = 3012055;
constexpr TextId kTuningMode = 3012035;
constexpr TextId kExit = 3012037;
constexpr TextId kFrequencyCaption = 3012039;

QLabel* ValueField(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(120);
    return label;
}

QLabel* SpacingIndicator(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(QStringLiteral("QLabel { color: white; background: navy; font-weight: bold; }"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Mnemonics of the captions are for the buttons only.
QString Caption(const LanguageTable& texts, TextId id) {
    return Tr(texts, id).remove('&');
}

} // namespace

TestDialog::TestDialog(TestDialogRules& rules, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_rules(rules), m_texts(texts), m_requests(*this), m_channel(new QComboBox(this)),
      m_receiveFrequency(ValueField("receiveFrequency", this)),
      m_transmitFrequency(ValueField("transmitFrequency", this)), m_signalling(new QComboBox(this)),
      m_receiveSignalling(ValueField("receiveSignalling", this)),
      m_transmitSignalling(ValueField("transmitSignalling", this)),
      m_wideIndicator(SpacingIndicator(Caption(texts, kWide), "wideIndicator", this)),
      m_narrowIndicator(SpacingIndicator(Caption(texts, kNarrow), "narrowIndicator", this)),
      m_transmitter(new TransmitterControls(rules.Radio(), m_requests, texts, this)),
      m_tuningItems(new QListWidget(this)) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    m_channel->setObjectName(QStringLiteral("testChannel"));
    for (int number : m_rules.ChannelNumbers())
        m_channel->addItem(QString::number(number));
    m_channel->setCurrentIndex(m_channel->findText(QString::number(m_rules.State().channel)));
    connect(m_channel, &QComboBox::activated, this, &TestDialog::OnChannel);

    m_signalling->setObjectName(QStringLiteral("signalling"));
    for (int number = 1; number <= TestModeState::kSignallingCount; ++number)
        m_signalling->addItem(QString::number(number));
    m_signalling->setCurrentIndex(m_rules.State().signalling - 1);
    connect(m_signalling, &QComboBox::activated, this, &TestDialog::OnSignalling);

    auto* wide = new QPushButton(Tr(texts, kWide), this);
    wide->setObjectName(QStringLiteral("wide"));
    auto* narrow = new QPushButton(Tr(texts, kNarrow), this);
    narrow->setObjectName(QStringLiteral("narrow"));
    connect(wide, &QPushButton::clicked, this, [this] { OnSpacing(true); });
    connect(narrow, &QPushButton::clicked, this, [this] { OnSpacing(false); });

    m_tuningItems->setObjectName(QStringLiteral("tuningItems"));
    for (const TuningItem& item : TuningItems())
        m_tuningItems->addItem(Tr(texts, item.text));
    m_tuningItems->setCurrentRow(0);
    auto* tuningMode = new QPushButton(Tr(texts, kTuningMode), this);
    tuningMode->setObjectName(QStringLiteral("tuningMode"));
    connect(tuningMode, &QPushButton::clicked, this, &TestDialog::OnTuningMode);
    connect(m_tuningItems, &QListWidget::itemDoubleClicked, this, &TestDialog::OnTuningMode);

    auto* exit = new QPushButton(Tr(texts, kExit), this);
    exit->setObjectName(QStringLiteral("exit"));
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &TestDialog::reject);
    connect(m_transmitter, &TransmitterControls::exchangeFailed, this,
            [this] { Finish(TestModeRequests::Outcome::Failed); });

    auto* channelBox = new QGroupBox(Caption(texts, kChannelCaption), this);
    auto* channelGrid = new QGridLayout(channelBox);
    channelGrid->addWidget(m_channel, 0, 0, 1, 2);
    channelGrid->addWidget(new QLabel(Caption(texts, kFrequencyCaption), this), 1, 0, 1, 2);
    channelGrid->addWidget(new QLabel(Tr(texts, kReceive), this), 2, 0);
    channelGrid->addWidget(m_receiveFrequency, 2, 1);
    channelGrid->addWidget(new QLabel(Tr(texts, kTransmit), this), 3, 0);
    channelGrid->addWidget(m_transmitFrequency, 3, 1);

    auto* signallingBox = new QGroupBox(Caption(texts, kSignallingCaption), this);
    auto* signallingGrid = new QGridLayout(signallingBox);
    signallingGrid->addWidget(m_signalling, 0, 0, 1, 2);
    signallingGrid->addWidget(new QLabel(Tr(texts, kReceive), this), 1, 0);
    signallingGrid->addWidget(m_receiveSignalling, 1, 1);
    signallingGrid->addWidget(new QLabel(Tr(texts, kTransmit), this), 2, 0);
    signallingGrid->addWidget(m_transmitSignalling, 2, 1);

    auto* spacingBox = new QGroupBox(Caption(texts, kSpacingCaption), this);
    auto* spacingGrid = new QGridLayout(spacingBox);
    spacingGrid->addWidget(wide, 0, 0);
    spacingGrid->addWidget(narrow, 0, 1);
    spacingGrid->addWidget(m_wideIndicator, 1, 0);
    spacingGrid->addWidget(m_narrowIndicator, 1, 1);

    auto* tuningBox = new QGroupBox(Caption(texts, kTuningItemCaption), this);
    auto* tuningLayout = new QVBoxLayout(tuningBox);
    tuningLayout->addWidget(m_tuningItems);
    tuningLayout->addWidget(tuningMode);

    auto* left = new QVBoxLayout;
    left->addWidget(channelBox);
    left->addWidget(signallingBox);
    left->addWidget(spacingBox);
    left->addWidget(m_transmitter);
    auto* right = new QVBoxLayout;
    right->addWidget(tuningBox);
    right->addWidget(exit);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowChannel();
    ShowSignalling();
    ShowSpacing();
}

void TestDialog::ShowChannel() {
    m_receiveFrequency->setText(ToQt(m_rules.ReceiveText()));
    m_transmitFrequency->setText(ToQt(m_rules.TransmitText()));
}

void TestDialog::ShowSignalling() {
    const SignallingTexts descriptions = TestDialogRules::SignallingDescriptions(m_rules.State().signalling);
    m_receiveSignalling->setText(Tr(m_texts, descriptions.receive));
    m_transmitSignalling->setText(Tr(m_texts, descriptions.transmit));
}

void TestDialog::ShowSpacing() {
    m_wideIndicator->setVisible(m_rules.State().wide);
    m_narrowIndicator->setVisible(!m_rules.State().wide);
}

bool TestDialog::Finish(TestModeRequests::Outcome outcome) {
    m_transmitter->Refresh();
    if (outcome != TestModeRequests::Outcome::Failed)
        return true;
    // The user cancelled the missing reply ("E" has gone out) or the line failed.
    QDialog::done(QDialog::Rejected);
    return false;
}

void TestDialog::OnChannel(int index) {
    const int channel = m_channel->itemText(index).toInt();
    if (Finish(m_requests.Run([this, channel] { return m_rules.ChooseChannel(channel); })))
        m_channel->setCurrentIndex(m_channel->findText(QString::number(m_rules.State().channel)));
    ShowChannel();
}

void TestDialog::OnSignalling(int index) {
    if (Finish(m_requests.Run([this, index] { return m_rules.ChooseSignalling(index); })))
        m_signalling->setCurrentIndex(m_rules.State().signalling - 1);
    ShowSignalling();
}

void TestDialog::OnSpacing(bool wide) {
    Finish(m_requests.Run([this, wide] { return m_rules.SetWide(wide); }));
    ShowSpacing();
}

void TestDialog::OnTuningMode() {
    const int row = m_tuningItems->currentRow();
    if (row < 0)
        return;
    const TuningItem& item = TuningItems()[static_cast<std::size_t>(row)];
    std::optional<TuningDialogRules> tuning;
    const auto started = m_requests.Run([&] {
        std::optional<TuningDialogRules> rules = m_rules.StartTuning(item);
        if (rules)
            tuning.emplace(std::move(*rules));
        return tuning.has_value();
    });
    if (!Finish(started) || !tuning)
        return;
    TuningDialog dialog(*tuning, m_texts, this);
    dialog.exec();
    const bool stillTesting = m_rules.TuningClosed();
    m_transmitter->Refresh();
    if (!stillTesting)
        QDialog::done(QDialog::Rejected);
}

void TestDialog::reject() {
    if (!m_requests.Running())
        QDialog::reject();
}

bool RunProgramTest(LinkRunner& runner, QWidget* window, RadioLink& link, const RadioImage& image,
                    TestModeState& state) {
    bool ran = false;
    runner.Run(window, [&] {
        TestModeSession command(link, image, state);
        ran = command.OnProgramTest([&](TestDialogRules& rules) {
            OnGuiThread([&] {
                TestDialog dialog(rules, link.Link().GetNotifier().Texts(), window);
                dialog.exec();
            });
        });
    });
    return ran;
}

} // namespace rpx::gui
