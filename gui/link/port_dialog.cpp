#include "gui/link/port_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/radio/file_dialogs.h"

namespace rpx::gui {

namespace {

constexpr int kTypedPathCharacters = 32;

// A device as the system names it: its path, and what it is when the system knows.
std::string DeviceLabel(const std::vector<transport::DetectedPort>& ports, const std::string& path) {
    const auto port = std::find_if(ports.begin(), ports.end(), [&](const auto& p) { return p.path == path; });
    if (port == ports.end() || port->description.empty())
        return path;
    return path + " (" + port->description + ")";
}

} // namespace

PortDialog::PortDialog(PortDialogRules& rules, const LanguageTable& texts, QWidget* parent,
                       std::vector<transport::DetectedPort> detectedPorts, std::string_view virtualPort,
                       TextId title)
    : QDialog(parent), m_rules(rules), m_choices(new QButtonGroup(this)),
      m_typedChoice(new QRadioButton(this)), m_typedPath(new QLineEdit(this)),
      m_ok(new QPushButton(Tr(texts, txt::kOk), this)) {
    setWindowTitle(Tr(texts, title));
    setProperty("helpContext", PortDialogRules::kHelpContext);

    // Each numbered port shows the device it opens; devices none of them opens are offered by path.
    const std::vector<transport::DetectedPort> ports = transport::InPortNumberOrder(std::move(detectedPorts));
    std::vector<std::string> numberedPaths(m_rules.Choices().size());
    for (std::size_t i = 0; i < m_rules.Choices().size(); ++i)
        if (m_rules.Choices()[i].portNumber != 0)
            numberedPaths[i] = transport::PathOfPortNumber(ports, m_rules.Choices()[i].portNumber);
    for (const transport::DetectedPort& port : ports)
        if (std::find(numberedPaths.begin(), numberedPaths.end(), port.path) == numberedPaths.end())
            m_rules.AddDeviceChoice(DeviceLabel(ports, port.path), port.path);
    m_rules.AddDeviceChoice(std::string(virtualPort), std::string(virtualPort));
    m_rules.Open();

    auto* group = new QGroupBox(Tr(texts, title), this);
    auto* choices = new QVBoxLayout(group);
    for (std::size_t i = 0; i < m_rules.Choices().size(); ++i) {
        const PortChoice& choice = m_rules.Choices()[i];
        // Device labels are system text (UTF-8), not language-file text.
        const QString label = choice.portNumber != 0
                                  ? ToQt(choice.Label(texts)) + QStringLiteral(" \u2014 ") +
                                        QString::fromStdString(DeviceLabel(ports, numberedPaths[i]))
                                  : QString::fromStdString(choice.Label(texts));
        auto* button = new QRadioButton(label, group);
        m_choices->addButton(button, static_cast<int>(i));
        choices->addWidget(button);
    }
    m_choices->addButton(m_typedChoice);
    m_typedPath->setObjectName(QStringLiteral("typedPath"));
    m_typedPath->setMinimumWidth(kTypedPathCharacters * m_typedPath->fontMetrics().averageCharWidth());
    m_typedPath->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    auto* typedRow = new QHBoxLayout;
    typedRow->addWidget(m_typedChoice);
    typedRow->addWidget(m_typedPath, 1);
    choices->addLayout(typedRow);
    if (QAbstractButton* selected = m_choices->button(m_rules.Selection()))
        selected->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_choices, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && id >= 0)
            m_rules.Select(id);
        UpdateOk();
    });
    connect(m_typedPath, &QLineEdit::textEdited, this, [this] {
        m_typedChoice->setChecked(true);
        UpdateOk();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &PortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PortDialog::reject);
}

void PortDialog::UpdateOk() {
    m_ok->setEnabled(!m_typedChoice->isChecked() || !m_typedPath->text().trimmed().isEmpty());
}

void PortDialog::accept() {
    if (m_typedChoice->isChecked()) {
        const std::string path = FromQtPath(m_typedPath->text().trimmed());
        m_rules.AddDeviceChoice(path, path);
        m_rules.Select(static_cast<int>(m_rules.Choices().size()) - 1);
    }
    // A port that was open is reopened on the new device; a failure shows at the next operation.
    m_rules.Ok();
    QDialog::accept();
}

} // namespace rpx::gui
