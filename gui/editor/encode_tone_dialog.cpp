#include "gui/editor/encode_tone_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kDecodeLabel = 3010049;
constexpr TextId kEncodeLabel = 3010047;

} // namespace

EncodeToneDialog::EncodeToneDialog(const QString& decodeTone, const QString& encodeTone,
                                   const QStringList& toneItems, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_encode(new CellList(toneItems, CellList::Entry::ToneTyping, this)) {
    setWindowTitle(Tr(texts, txt::kEncodeToneTitle));
    auto* decode = new QLabel(decodeTone, this);
    decode->setObjectName(QStringLiteral("decodeTone"));
    m_encode->setObjectName(QStringLiteral("encodeTone"));
    m_encode->ShowText(encodeTone);

    auto* form = new QFormLayout;
    form->addRow(Tr(texts, kDecodeLabel), decode);
    form->addRow(Tr(texts, kEncodeLabel), m_encode);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &EncodeToneDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EncodeToneDialog::reject);
    m_encode->setFocus();
}

} // namespace rpx::gui
