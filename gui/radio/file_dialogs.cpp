#include "gui/radio/file_dialogs.h"

#include <QFile>
#include <QRegularExpression>

#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kDataFileFilter = 1001045;
constexpr int kSaveAsHelpContext = 4;

QString PatternsOf(const QString& patternText) {
    QStringList patterns;
    for (QString pattern : patternText.split(u';', Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        if (!pattern.isEmpty())
            patterns.push_back(pattern);
    }
    return patterns.join(u' ');
}

} // namespace

QStringList NameFiltersOf(std::string_view filterText) {
    // A description usually shows its patterns in parentheses already; they are written anew.
    static const QRegularExpression kShownPatterns(QStringLiteral("\\s*\\([^()]*[*?][^()]*\\)\\s*$"));
    const QStringList parts = ToQt(filterText).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = PatternsOf(parts[i + 1]);
        if (description.isEmpty())
            break;
        if (patterns.isEmpty())
            continue;
        description.remove(kShownPatterns);
        filters.push_back(description.trimmed() + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

QString ToQtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string FromQtPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void PrepareDataFileDialog(QFileDialog& dialog, const LanguageTable& texts, const std::string& directory,
                           int helpContext) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(NameFiltersOf(texts.GetText(kDataFileFilter)));
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.setDirectory(ToQtPath(directory));
    dialog.setProperty("helpContext", helpContext);
}

std::optional<std::string> GetSaveAsPath(QWidget* parent, const LanguageTable& texts,
                                         const std::string& directory, const std::string& fileName) {
    QFileDialog dialog(parent);
    PrepareDataFileDialog(dialog, texts, directory, kSaveAsHelpContext);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(ToQtPath(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FromQtPath(dialog.selectedFiles().constFirst());
}

} // namespace rpx::gui
