#include "gui/link/radio_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002121;
constexpr TextId kModelLabel = 3005023;
constexpr TextId kBandLabel = 3005027;
constexpr TextId kTextLabel = 3019001;
// Wide enough for the longest band and version, such as "UHF : 485-520 MHz Ver. 2".
constexpr int kFieldCharacters = 32;

// Read-only, but the user may still select and copy a serial number.
QLineEdit* MakeField(const std::string& text, QWidget* parent) {
    auto* field = new QLineEdit(ToQt(text), parent);
    field->setReadOnly(true);
    field->setMinimumWidth(kFieldCharacters * field->fontMetrics().averageCharWidth());
    return field;
}

} // namespace

RadioInfoDialog::RadioInfoDialog(const RadioInfoFields& fields, const LanguageTable& texts,
                                 const QFont& fixedFont, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    auto* form = new QFormLayout;
    form->addRow(Tr(texts, kModelLabel), MakeField(fields.model, this));
    form->addRow(Tr(texts, kBandLabel), MakeField(fields.bandAndVersion, this));
    QLineEdit* text = MakeField(fields.text, this);
    text->setFont(fixedFont);
    form->addRow(Tr(texts, kTextLabel), text);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &RadioInfoDialog::accept);
}

} // namespace rpx::gui
