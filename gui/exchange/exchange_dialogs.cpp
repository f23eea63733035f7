#include "gui/exchange/exchange_dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/app/regular_file.h"
#include "core/exchange/image_diff.h"
#include "core/radio/data_file.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

// A dialog with a title, its content above OK and Cancel (or OK alone, for one that only informs).
class SmallDialog : public QDialog {
public:
    SmallDialog(TextId title, const LanguageTable& texts, QWidget* parent, bool cancel = true)
        : QDialog(parent), m_layout(this) {
        setWindowTitle(Tr(texts, title));
        m_buttons.addButton(Tr(texts, txt::kOk), QDialogButtonBox::AcceptRole);
        if (cancel)
            m_buttons.addButton(Tr(texts, txt::kCancel), QDialogButtonBox::RejectRole);
        connect(&m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(&m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    void Add(QWidget* widget) { m_layout.addWidget(widget); }
    bool Run() {
        m_layout.addWidget(&m_buttons);
        return exec() == QDialog::Accepted;
    }

private:
    QVBoxLayout m_layout;
    QDialogButtonBox m_buttons;
};

// A read-only list of lines that the user can scroll and copy.
void AddLines(SmallDialog& dialog, const char* name, const std::vector<std::string>& lines) {
    auto* list = new QPlainTextEdit(&dialog);
    list->setObjectName(name);
    list->setReadOnly(true);
    // Long lines (a message the channel rules gave) wrap rather than hide behind a scroll bar.
    list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    for (const std::string& line : lines)
        list->appendPlainText(ToQt(line));
    list->setMinimumSize(list->fontMetrics().averageCharWidth() * 90, 260);
    dialog.Add(list);
}

} // namespace

bool RunWriteSafetyDialog(WriteSafety& safety, const LanguageTable& texts, QWidget* parent) {
    SmallDialog dialog(txt::kWriteSafetyTitle, texts, parent);
    const auto box = [&](TextId text, bool ticked, const char* name) {
        auto* check = new QCheckBox(Tr(texts, text), &dialog);
        check->setChecked(ticked);
        check->setObjectName(name);
        dialog.Add(check);
        return check;
    };
    QCheckBox* backup = box(txt::kBackupBeforeWrite, safety.backupBeforeWrite, "backupBeforeWrite");
    QCheckBox* verify = box(txt::kVerifyAfterWrite, safety.verifyAfterWrite, "verifyAfterWrite");
    QCheckBox* changes = box(txt::kShowChangesBeforeWrite, safety.showChanges, "showChanges");
    if (!dialog.Run())
        return false;
    safety = {backup->isChecked(), verify->isChecked(), changes->isChecked()};
    return true;
}

std::optional<std::filesystem::path> RunBackupsDialog(const BackupStore& backups, const LanguageTable& texts,
                                                      QWidget* parent) {
    SmallDialog dialog(txt::kBackupsTitle, texts, parent);
    auto* list = new QListWidget(&dialog);
    list->setObjectName("backups");
    const std::vector<BackupEntry> entries = backups.List();
    for (const BackupEntry& entry : entries)
        list->addItem(ToQt(entry.name));
    list->setCurrentRow(0);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 40);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    dialog.Add(list);
    if (!dialog.Run() || list->currentRow() < 0)
        return std::nullopt;
    return entries[static_cast<std::size_t>(list->currentRow())].path;
}

std::optional<RadioData> RadioDataBefore(const std::optional<RadioImage>& lastKnown,
                                         const BackupStore& backups, const RadioImage& toWrite,
                                         const LanguageTable& texts) {
    if (lastKnown)
        return RadioData{*lastKnown, texts.GetText(txt::kReadThisSession)};
    for (const BackupEntry& entry : backups.List()) {
        const auto bytes = ReadRegularFile(entry.path, kDataFileSize, "");
        const std::optional<RadioImage> image = bytes ? ParseDataFile(*bytes) : std::nullopt;
        if (image && image->ModelCode() == toWrite.ModelCode())
            return RadioData{*image, entry.path.string()};
    }
    return std::nullopt;
}

bool ConfirmWriteChanges(const RadioData& radio, const RadioImage& image, bool extendedMode,
                         const LanguageTable& texts, QWidget* parent) {
    SmallDialog dialog(txt::kChangesTitle, texts, parent);
    const ImageDiff diff = DiffImages(radio.image, image, extendedMode, texts);
    dialog.Add(new QLabel(ToQt(texts.GetText(diff.Empty() ? txt::kNoChanges : txt::kChangesFrom))
                              .replace("%1", ToQt(radio.source)),
                          &dialog));
    if (!diff.Empty())
        AddLines(dialog, "changes", DiffLines(diff));
    return dialog.Run();
}

void ShowChannelPlanReport(const ChannelPlanReport& report, const LanguageTable& texts, QWidget* parent) {
    SmallDialog dialog(txt::kChannelPlanTitle, texts, parent, false);
    std::vector<std::string> lines;
    for (const ChannelPlanNote& note : report.notes)
        lines.push_back(note.location + ": " + note.text);
    AddLines(dialog, "report", lines);
    dialog.Run();
}

} // namespace rpx::gui
