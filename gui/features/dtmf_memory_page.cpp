#include "gui/features/dtmf_memory_page.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QKeyEvent>

#include <algorithm>

#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

// "1".."9", the tone page's numbers.
constexpr TextId kFirstNumber = 3010117;

} // namespace

DtmfMemoryPage::DtmfMemoryPage(DtmfRules& rules, const LanguageTable& texts, const QFont& codeFont,
                               QWidget* parent)
    : QWidget(parent), m_rules(rules) {
    auto* layout = new QFormLayout(this);
    for (int slot = 0; slot < DtmfRules::kMemories; ++slot) {
        auto* memory = new CodeEdit(DtmfRules::Page::Memory, false, DtmfRules::Limit::kCodeLength, this);
        memory->setObjectName(QStringLiteral("memory-%1").arg(slot + 1));
        memory->setFont(codeFont);
        memory->setMinimumWidth(memory->fontMetrics().averageCharWidth() *
                                (DtmfRules::Limit::kCodeLength + 2));
        memory->setText(ToQt(m_rules.CodeText(slot)));
        memory->installEventFilter(this);
        m_memories[static_cast<std::size_t>(slot)] = memory;
        layout->addRow(Tr(texts, kFirstNumber + 2 * slot), memory);
    }
}

void DtmfMemoryPage::CommitField(QWidget* field) {
    const auto it = std::ranges::find(m_memories, field);
    if (it == m_memories.end())
        return;
    const int slot = static_cast<int>(it - m_memories.begin());
    m_rules.LeaveCode(slot, FromQt((*it)->text()));
    (*it)->setText(ToQt(m_rules.CodeText(slot)));
}

bool DtmfMemoryPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            CommitField(static_cast<QWidget*>(watched));
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const auto it = std::ranges::find(m_memories, watched);
            CodeEdit* next = it + 1 == m_memories.end() ? m_memories.front() : *(it + 1);
            next->setFocus(Qt::TabFocusReason);
            next->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rpx::gui
