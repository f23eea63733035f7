#include "gui/link/tuning_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kReceive = 1001027;
constexpr TextId kTransmit = 1001025;
constexpr int kMaxValue = 255;

} // namespace

TuningDialog::TuningDialog(TuningDialogRules& rules, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_rules(rules), m_requests(*this), m_tabs(new QTabWidget(this)),
      m_transmitter(new TransmitterControls(rules.Radio(), m_requests, texts, this)) {
    setWindowTitle(ToQt(m_rules.Title()));
    setProperty("helpContext", 1369);

    m_tabs->setObjectName(QStringLiteral("points"));
    // Every point's tab in sight: the dialog grows to the tab bar.
    m_tabs->setUsesScrollButtons(false);
    for (std::size_t page = 0; page < m_rules.Pages().size(); ++page)
        m_tabs->addTab(MakePage(page, texts), Tr(texts, m_rules.Pages()[page].tab));
    connect(m_tabs, &QTabWidget::currentChanged, this, &TuningDialog::OnTab);
    connect(m_transmitter, &TransmitterControls::exchangeFailed, this, &TuningDialog::CloseAfterFailure);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TuningDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TuningDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_transmitter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TuningDialog::MakePage(std::size_t page, const LanguageTable& texts) {
    auto* widget = new QWidget;
    const Page controls{new QSlider(Qt::Horizontal, widget), new QSpinBox(widget), new QProgressBar(widget)};
    controls.slider->setObjectName(QStringLiteral("slider"));
    controls.spin->setObjectName(QStringLiteral("value"));
    controls.bar->setObjectName(QStringLiteral("valueBar"));
    controls.slider->setRange(0, kMaxValue);
    controls.slider->setMinimumWidth(kMaxValue + 1); // one pixel a step
    controls.spin->setRange(0, kMaxValue);
    controls.bar->setRange(0, kMaxValue);
    controls.bar->setTextVisible(false);
    controls.slider->setValue(m_rules.Value(page));
    controls.spin->setValue(m_rules.Value(page));
    controls.bar->setValue(m_rules.Value(page));
    // The spin and the slider move each other; the slider's move goes to the radio.
    connect(controls.spin, &QSpinBox::valueChanged, controls.slider, &QSlider::setValue);
    connect(controls.slider, &QSlider::valueChanged, this,
            [this, page](int value) { OnSlider(page, value); });
    m_pages.push_back(controls);

    auto* grid = new QGridLayout(widget);
    grid->addWidget(controls.slider, 0, 0, 1, 3);
    grid->addWidget(controls.spin, 1, 0);
    grid->addWidget(controls.bar, 1, 1, 1, 2);
    const struct {
        TextId label;
        std::string text;
        const char* name;
    } frequencies[] = {{kReceive, m_rules.ReceiveText(page), "receiveFrequency"},
                       {kTransmit, m_rules.TransmitText(page), "transmitFrequency"}};
    int row = 2;
    for (const auto& frequency : frequencies) {
        grid->addWidget(new QLabel(Tr(texts, frequency.label), widget), row, 0);
        auto* value = new QLabel(ToQt(frequency.text), widget);
        value->setObjectName(QString::fromLatin1(frequency.name));
        grid->addWidget(value, row++, 1, 1, 2);
    }
    return widget;
}

void TuningDialog::OnTab(int index) {
    if (m_revertingTab)
        return;
    auto change = TuningDialogRules::PageChange::Refused;
    const auto outcome = m_requests.Run([&] {
        change = m_rules.ChangePage(static_cast<std::size_t>(index));
        return change != TuningDialogRules::PageChange::Failed;
    });
    m_transmitter->Refresh();
    if (outcome == TestModeRequests::Outcome::Failed)
        return CloseAfterFailure();
    if (change != TuningDialogRules::PageChange::Changed) {
        m_revertingTab = true;
        m_tabs->setCurrentIndex(static_cast<int>(m_rules.CurrentPage()));
        m_revertingTab = false;
    }
}

void TuningDialog::OnSlider(std::size_t page, int value) {
    const Page& controls = m_pages[page];
    {
        const QSignalBlocker quiet(controls.spin);
        controls.spin->setValue(value);
    }
    controls.bar->setValue(value);
    if (page == m_rules.CurrentPage())
        SendValue();
}

void TuningDialog::SendValue() {
    // While one value is on its way the slider may move on: the latest value goes next.
    if (m_requests.Running())
        return;
    const std::size_t page = m_rules.CurrentPage();
    for (;;) {
        const int wanted = m_pages[page].slider->value();
        if (wanted == m_rules.Value(page))
            return;
        const auto outcome =
            m_requests.Run([this, wanted] { return m_rules.SetValue(static_cast<uint8_t>(wanted)); }, true);
        m_transmitter->Refresh();
        if (outcome == TestModeRequests::Outcome::Failed)
            return CloseAfterFailure();
    }
}

void TuningDialog::accept() {
    if (m_requests.Running())
        return;
    m_requests.Run([this] {
        m_rules.Ok();
        return true;
    });
    QDialog::accept();
}

void TuningDialog::reject() {
    if (m_requests.Running())
        return;
    m_requests.Run([this] {
        m_rules.Cancel();
        return true;
    });
    QDialog::reject();
}

void TuningDialog::CloseAfterFailure() {
    QDialog::done(QDialog::Rejected);
}

} // namespace rpx::gui
