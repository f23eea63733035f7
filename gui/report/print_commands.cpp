#include "gui/report/print_commands.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/radio/file_dialogs.h"
#include "gui/report/pdf_export.h"
#include "gui/report/print_painter.h"
#include "gui/report/print_selection_dialog.h"

namespace rpx::gui {

namespace {

constexpr TextId kRecordTitle = 3018023;

} // namespace

PrintCommands::PrintCommands(Session& session, Notifier& notifier, const TestModeState& testMode,
                             QWidget* window)
    : m_session(session), m_notifier(notifier), m_window(window), m_pipeline(session, notifier, testMode) {
    m_printer.setDocName(Tr(notifier.Texts(), kRecordTitle));
}

std::optional<PrintSelection> PrintCommands::ChooseSections() {
    return RunPrintSelectionDialog(
        m_session, m_notifier.Texts(),
        [this] {
            QPageSetupDialog setup(&m_printer, m_window);
            setup.exec();
        },
        m_window);
}

bool PrintCommands::PrintPrepared(int pages) {
    m_printer.setFromTo(1, pages);
    QPrintDialog dialog(&m_printer, m_window);
    dialog.setMinMax(1, pages);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool range = m_printer.printRange() == QPrinter::PageRange;
    PaintPrintJob(m_pipeline, m_printer, LocalTimeNow(), range ? m_printer.fromPage() : 1,
                  range ? m_printer.toPage() : pages);
    return true;
}

void PrintCommands::OnFilePrint() {
    const std::optional<PrintSelection> sections = ChooseSections();
    if (!sections)
        return;
    m_pipeline.RequestFromDialog(*sections);
    if (!PrintPrepared(m_pipeline.OnPreparePrinting()))
        m_pipeline.OnEndPrinting();
}

bool PrintCommands::PrintTuningData() {
    if (PrintPrepared(m_pipeline.OnPreparePrinting()))
        return m_pipeline.JobEnded();
    return false;
}

void PrintCommands::OnFilePrintPreview() {
    QPrintPreviewDialog preview(&m_printer, m_window);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, m_window, [this](QPrinter* printer) {
        PaintPrintJob(m_pipeline, *printer, LocalTimeNow(), 1, m_pipeline.OnPreparePrinting());
    });
    preview.exec();
}

void PrintCommands::OnExportPdf() {
    const std::optional<PrintSelection> sections = ChooseSections();
    if (!sections)
        return;
    const QString chosen = QFileDialog::getSaveFileName(
        m_window, Tr(m_notifier.Texts(), txt::kExportPdfTitle), ToQtPath(m_session.dataDirectory),
        Tr(m_notifier.Texts(), txt::kPdfFilter));
    if (chosen.isEmpty())
        return;
    std::string path = FromQtPath(chosen);
    if (!path.ends_with(".pdf"))
        path += ".pdf";
    m_pipeline.RequestFromDialog(*sections);
    if (const Result<int> pages = ExportPdf(m_pipeline, path, m_notifier.Text(kRecordTitle)); !pages)
        m_notifier.ShowFilled(txt::kSaveFailed, path, pages.Message(), txt::kCaptionError, MessageButtons::Ok,
                              MessageIcon::Stop);
}

} // namespace rpx::gui
