#include "gui/radio/open_data_file_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "gui/app/qt_text.h"
#include "gui/radio/file_dialogs.h"

namespace rpx::gui {

namespace {

constexpr TextId kPreviewLabel = 3002109;
constexpr int kOpenHelpContext = 2;

QLineEdit* MakePreviewLine(const QFont& fixedFont, const QString& name, QWidget* parent) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(name);
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::NoFocus);
    line->setFont(fixedFont);
    return line;
}

} // namespace

OpenDataFileDialog::OpenDataFileDialog(QWidget* parent, const LanguageTable& texts, const Document& document,
                                       const std::string& directory, const QFont& fixedFont)
    : QFileDialog(parent), m_document(document),
      m_firstLine(MakePreviewLine(fixedFont, QStringLiteral("previewFirstLine"), this)),
      m_secondLine(MakePreviewLine(fixedFont, QStringLiteral("previewSecondLine"), this)) {
    PrepareDataFileDialog(*this, texts, directory, kOpenHelpContext);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);

    // The preview goes under the file name and type rows, its fields in their column.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(Tr(texts, kPreviewLabel), this), row, 0);
        grid->addWidget(m_firstLine, row, 1);
        grid->addWidget(m_secondLine, row + 1, 1);
    }
    connect(this, &QFileDialog::currentChanged, this, &OpenDataFileDialog::ShowPreview);
}

void OpenDataFileDialog::ShowPreview(const QString& path) {
    const std::optional<MessagePreview> preview = m_document.Preview(FromQtPath(path));
    if (!preview)
        return;
    m_firstLine->setText(ToQt(preview->first));
    m_secondLine->setText(ToQt(preview->second));
}

std::optional<std::string> OpenDataFileDialog::GetOpenPath(QWidget* parent, const LanguageTable& texts,
                                                           const Document& document,
                                                           const std::string& directory,
                                                           const QFont& fixedFont) {
    OpenDataFileDialog dialog(parent, texts, document, directory, fixedFont);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FromQtPath(dialog.selectedFiles().constFirst());
}

} // namespace rpx::gui
