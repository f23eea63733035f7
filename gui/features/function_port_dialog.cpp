#include "gui/features/function_port_dialog.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

// A port line's field: shows the label of the line's code; while it holds the focus it offers the
// line's list, and leaving it (not for its own popup) stores the selected item's code.
class PortField : public QComboBox {
public:
    PortField(FunctionPortRules& rules, int port, QWidget* parent)
        : QComboBox(parent), m_rules(rules), m_port(port) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setMinimumWidth(fontMetrics().averageCharWidth() * 26);
        ShowLabel();
    }

    void ShowLabel() {
        const QSignalBlocker blocker(this);
        clear();
        addItem(ToQt(m_rules.PortText(m_port)));
        m_listed = false;
    }
    // Stores the selection when the list is showing.
    void Store() {
        if (m_listed)
            m_rules.SelectPortItem(m_port, currentIndex());
        ShowLabel();
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        if (!m_listed) {
            const QSignalBlocker blocker(this);
            clear();
            for (const FunctionPortRules::PortItem& item : m_rules.PortItems(m_port))
                addItem(ToQt(item.text));
            setCurrentIndex(m_rules.PortSelection(m_port));
            m_listed = true;
        }
        QComboBox::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        // Its own popup, or another window, takes the focus only for a while.
        if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason &&
            !view()->isVisible())
            Store();
        QComboBox::focusOutEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            QComboBox::mousePressEvent(event);
    }

private:
    FunctionPortRules& m_rules;
    int m_port;
    bool m_listed = false;
};

namespace {

constexpr TextId kTitle = 3017001;

} // namespace

FunctionPortDialog::FunctionPortDialog(FunctionPortRules& rules, const LanguageTable& texts,
                                       std::function<void()> deviceChanged, QWidget* parent)
    : QDialog(parent), m_rules(rules), m_deviceChanged(std::move(deviceChanged)),
      m_device(new QComboBox(this)),
      m_ignition(new QCheckBox(Tr(texts, FunctionPortRules::kIgnitionLabel), this)) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    auto* fields = new QFormLayout;
    m_device->setObjectName(QStringLiteral("device"));
    m_device->addItems(ToQtList(m_rules.DeviceItems()));
    m_device->setCurrentIndex(m_rules.DeviceSelection());
    connect(m_device, &QComboBox::activated, this, [this](int item) {
        m_rules.SelectDevice(item);
        ShowPorts();
        if (m_deviceChanged)
            m_deviceChanged();
    });
    fields->addRow(Tr(texts, FunctionPortRules::kDeviceLabel), m_device);
    for (int port = 0; port < FunctionPortRules::kPortCount; ++port) {
        auto* field = new PortField(m_rules, port, this);
        field->setObjectName(QStringLiteral("port%1").arg(port + 1));
        m_ports[static_cast<std::size_t>(port)] = field;
        fields->addRow(Tr(texts, FunctionPortRules::PortLabel(port)), field);
    }
    m_ignition->setObjectName(QStringLiteral("ignitionSense"));
    m_ignition->setChecked(m_rules.IgnitionSense());
    connect(m_ignition, &QCheckBox::clicked, this, [this](bool on) { m_rules.SetIgnitionSense(on); });
    fields->addRow(m_ignition);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &FunctionPortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FunctionPortDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FunctionPortDialog::ShowPorts() {
    for (PortField* field : m_ports)
        if (!field->hasFocus())
            field->ShowLabel();
}

void FunctionPortDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        qobject_cast<QPushButton*>(focusWidget()) == nullptr) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FunctionPortDialog::accept() {
    for (PortField* field : m_ports)
        if (field->hasFocus())
            field->Store();
    m_rules.Ok();
    QDialog::accept();
}

bool RunFunctionPortDialog(Session& session, Notifier& notifier, const std::function<void()>& deviceChanged,
                           QWidget* parent) {
    FunctionPortRules rules(session, notifier);
    FunctionPortDialog dialog(rules, notifier.Texts(), deviceChanged, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
