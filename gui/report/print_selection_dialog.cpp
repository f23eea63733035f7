#include "gui/report/print_selection_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr int kRowsPerColumn = 7;

QCheckBox* BoxOf(const std::array<QCheckBox*, kPrintSectionCount>& boxes, PrintSection section) {
    return boxes[static_cast<std::size_t>(section)];
}

} // namespace

PrintSelectionDialog::PrintSelectionDialog(PrintSelectionRules& rules, const LanguageTable& texts,
                                           std::function<void()> printSetup, QWidget* parent)
    : QDialog(parent), m_rules(rules) {
    setWindowTitle(Tr(texts, PrintSelectionRules::kTitle));
    setProperty("helpContext", kHelpContext);

    auto* grid = new QGridLayout;
    int index = 0;
    for (const PrintSectionInfo& info : PrintSectionTable()) {
        auto* box = new QCheckBox(ToQt(PrintSelectionRules::BoxText(info.section, texts)), this);
        box->setObjectName(QString::fromLatin1(info.name.data(), static_cast<qsizetype>(info.name.size())));
        connect(box, &QCheckBox::clicked, this, [this, section = info.section](bool on) {
            m_rules.Check(section, on);
            ShowRules();
        });
        m_boxes[static_cast<std::size_t>(info.section)] = box;
        grid->addWidget(box, index % kRowsPerColumn, index / kRowsPerColumn);
        ++index;
    }

    auto* buttons = new QDialogButtonBox(this);
    auto addButton = [&](TextId text, const char* name, QDialogButtonBox::ButtonRole role) {
        QPushButton* button = buttons->addButton(Tr(texts, text), role);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* selectAll =
        addButton(PrintSelectionRules::kSelectAll, "selectAll", QDialogButtonBox::ActionRole);
    QPushButton* clearAll =
        addButton(PrintSelectionRules::kClearAll, "clearAll", QDialogButtonBox::ActionRole);
    QPushButton* setup =
        addButton(PrintSelectionRules::kPrintSetup, "printSetup", QDialogButtonBox::ActionRole);
    m_ok = addButton(txt::kOk, "ok", QDialogButtonBox::AcceptRole);
    addButton(txt::kCancel, "cancel", QDialogButtonBox::RejectRole);
    connect(selectAll, &QPushButton::clicked, this, [this] {
        m_rules.SelectAll();
        ShowRules();
    });
    connect(clearAll, &QPushButton::clicked, this, [this] {
        m_rules.ClearAll();
        ShowRules();
    });
    connect(setup, &QPushButton::clicked, this, [printSetup = std::move(printSetup)] { printSetup(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintSelectionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintSelectionDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowRules();
}

void PrintSelectionDialog::ShowRules() {
    for (const PrintSectionInfo& info : PrintSectionTable()) {
        QCheckBox* box = BoxOf(m_boxes, info.section);
        box->setVisible(m_rules.IsVisible(info.section));
        box->setEnabled(m_rules.IsEnabled(info.section));
        box->setChecked(m_rules.IsChecked(info.section));
    }
    m_ok->setEnabled(m_rules.OkEnabled());
}

void PrintSelectionDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto box = std::ranges::find(m_boxes, focusWidget());
    if (!enter || box == m_boxes.end()) {
        if (enter)
            if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
                button->click();
                return;
            }
        QDialog::keyPressEvent(event);
        return;
    }
    const auto next = m_rules.NextBox(static_cast<PrintSection>(box - m_boxes.begin()));
    BoxOf(m_boxes, next)->setFocus(Qt::TabFocusReason);
}

std::optional<PrintSelection> RunPrintSelectionDialog(const Session& session, const LanguageTable& texts,
                                                      std::function<void()> printSetup, QWidget* parent) {
    PrintSelectionRules rules(session);
    PrintSelectionDialog dialog(rules, texts, std::move(printSetup), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return rules.Selection();
}

} // namespace rpx::gui
