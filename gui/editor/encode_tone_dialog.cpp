#include "gui/editor/encode_tone_dialog.h"

#include <QFormLayout>
#include <QLabel>

#include "core/text/startup_texts.h"
#include "gui/app/qt_text.h"
#include "gui/editor/row_dialog_layout.h"

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
    LayOutRowDialog(*this, form, texts);
    m_encode->setFocus();
}

} // namespace rpx::gui
