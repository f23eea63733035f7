#include "gui/exchange/channel_plan_commands.h"

#include <QFileDialog>

#include "core/app/regular_file.h"
#include "core/exchange/channel_plan_csv.h"
#include "core/radio/safe_file_writer.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/exchange/exchange_dialogs.h"
#include "gui/radio/file_dialogs.h"

namespace rpx::gui {

namespace {

constexpr std::size_t kLongestPlan = 1 << 20; // far more than eight rows

void ShowFailure(Notifier& notifier, TextId text, const std::string& path, const std::string& reason) {
    notifier.ShowFilled(text, path, reason, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
}

} // namespace

bool ImportChannelPlanFile(Session& session, Notifier& notifier, QWidget* parent) {
    const LanguageTable& texts = notifier.Texts();
    const QString chosen = QFileDialog::getOpenFileName(
        parent, Tr(texts, txt::kChannelPlanTitle), ToQtPath(session.dataDirectory),
        Tr(texts, txt::kChannelPlanFilter), nullptr, QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty())
        return false;
    const std::string path = FromQtPath(chosen);
    const Result<std::vector<uint8_t>> bytes =
        ReadRegularFile(path, kLongestPlan, notifier.Text(txt::kNotRegularFile));
    if (!bytes) {
        ShowFailure(notifier, txt::kOpenFailed, path, bytes.Message());
        return false;
    }
    const Result<ChannelPlanReport> report =
        ImportChannelPlan(session, texts, std::string(bytes->begin(), bytes->end()));
    if (!report) {
        ShowFailure(notifier, txt::kOpenFailed, path, report.Message());
        return false;
    }
    if (!report->notes.empty())
        ShowChannelPlanReport(*report, texts, parent);
    return true;
}

void ExportChannelPlanFile(const Session& session, Notifier& notifier, QWidget* parent) {
    const LanguageTable& texts = notifier.Texts();
    QFileDialog dialog(parent, Tr(texts, txt::kChannelPlanTitle), ToQtPath(session.dataDirectory),
                       Tr(texts, txt::kChannelPlanFilter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string path = FromQtPath(dialog.selectedFiles().constFirst());
    const std::string csv = ChannelPlanToCsv(session.image);
    const auto* bytes = reinterpret_cast<const uint8_t*>(csv.data());
    if (const Status written = WriteFileSafely(path, {bytes, csv.size()}); !written)
        ShowFailure(notifier, txt::kSaveFailed, path, written.Message());
}

} // namespace rpx::gui
