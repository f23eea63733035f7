#include "gui/features/key_assignment_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002105;

} // namespace

KeyAssignmentDialog::KeyAssignmentDialog(KeyAssignmentRules& rules, const LanguageTable& texts,
                                         QWidget* parent)
    : QDialog(parent), m_rules(rules), m_panel(new KeyPanelPicture(this)),
      m_list(new CellList(ToQtList(rules.ItemTexts()), CellList::Entry::ChooseOnly, this)) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    auto* keys = new QGridLayout;
    for (int key = 0; key < KeyAssignmentRules::kKeyCount; ++key) {
        auto* symbol = new QLabel(this);
        symbol->setPixmap(KeyPanelPicture::KeySymbol(key));
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("key%1").arg(key + 1));
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::TabFocus); // clicks are sorted by button in eventFilter
        field->setContextMenuPolicy(Qt::NoContextMenu);
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 22);
        field->installEventFilter(this);
        m_fields[static_cast<std::size_t>(key)] = field;
        keys->addWidget(symbol, key, 0);
        keys->addWidget(field, key, 1);
    }
    m_list->setObjectName(QStringLiteral("keyList"));
    m_list->hide();
    connect(m_list, &QComboBox::currentIndexChanged, this, [this](int item) {
        m_rules.Select(item);
        setProperty("helpContext", m_rules.HelpContext());
    });
    // Leaving the list for anything but its own item view stores the key.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (m_list->isVisible() && m_list->Contains(old) && !m_list->Contains(now))
            CloseList();
    });

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &KeyAssignmentDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KeyAssignmentDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 0, Qt::AlignHCenter);
    layout->addLayout(keys);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowKeys();
}

void KeyAssignmentDialog::ShowKeys() {
    for (int key = 0; key < KeyAssignmentRules::kKeyCount; ++key)
        m_fields[static_cast<std::size_t>(key)]->setText(ToQt(m_rules.KeyText(key)));
    m_panel->SetLitKey(m_rules.EditedKey());
}

void KeyAssignmentDialog::OpenList(int key) {
    QLineEdit* field = m_fields[static_cast<std::size_t>(key)];
    m_rules.BeginEdit(key);
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentIndex(m_rules.Selection());
    }
    setProperty("helpContext", m_rules.HelpContext());
    m_list->setGeometry(field->geometry());
    m_list->show();
    m_list->raise();
    m_list->setFocus(Qt::OtherFocusReason);
    // Disabled only once the list holds the focus, or the focus would move on by itself.
    field->setEnabled(false);
    ShowKeys();
}

void KeyAssignmentDialog::CloseList() {
    const int key = m_rules.EditedKey();
    if (key == KeyAssignmentRules::kNoKey)
        return;
    m_rules.EndEdit();
    m_list->hide();
    m_fields[static_cast<std::size_t>(key)]->setEnabled(true);
    ShowKeys();
}

bool KeyAssignmentDialog::eventFilter(QObject* watched, QEvent* event) {
    // Only a left click opens a key's list; a right click opens neither it nor a menu.
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            static_cast<QWidget*>(watched)->setFocus(Qt::MouseFocusReason);
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        for (int key = 0; key < KeyAssignmentRules::kKeyCount; ++key)
            if (watched == m_fields[static_cast<std::size_t>(key)]) {
                CloseList();
                OpenList(key);
                return false;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void KeyAssignmentDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_list->Contains(focusWidget())) {
        m_fields[m_rules.EditedKey() == 0 ? 1 : 0]->setFocus(Qt::TabFocusReason);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool KeyAssignmentDialog::focusNextPrevChild(bool next) {
    const std::array<QWidget*, 4> cycle = {m_fields[0], m_fields[1], m_ok, m_cancel};
    // The list stands in for its key's disabled field.
    QWidget* focused = m_list->Contains(focusWidget()) ? cycle[static_cast<std::size_t>(m_rules.EditedKey())]
                                                       : focusWidget();
    const auto it = std::ranges::find(cycle, focused);
    if (it == cycle.end())
        return QDialog::focusNextPrevChild(next);
    const auto at = static_cast<std::size_t>(it - cycle.begin());
    cycle[(at + (next ? 1 : cycle.size() - 1)) % cycle.size()]->setFocus(next ? Qt::TabFocusReason
                                                                              : Qt::BacktabFocusReason);
    return true;
}

void KeyAssignmentDialog::accept() {
    CloseList();
    m_rules.Ok();
    QDialog::accept();
}

bool RunKeyAssignmentDialog(Session& session, Notifier& notifier, QWidget* parent) {
    KeyAssignmentRules rules(session, notifier);
    KeyAssignmentDialog dialog(rules, notifier.Texts(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rpx::gui
