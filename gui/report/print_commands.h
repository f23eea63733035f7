#pragma once

#include <QPrinter>

#include "core/report/print_pipeline.h"

class QWidget;

namespace rpx::gui {

// File > Print, Print preview and Export PDF, and the print of the test mode: the selection
// dialog, the printer dialog and preview, all drawing the pipeline's pages.
class PrintCommands {
public:
    PrintCommands(Session& session, Notifier& notifier, const TestModeState& testMode, QWidget* window);

    // The selection dialog, then the printer dialog, then the pages.
    void OnFilePrint();
    // The preview of a job without the selection dialog: the tuning-data page.
    void OnFilePrintPreview();
    // The selection dialog, then a file to write the pages to as a PDF.
    void OnExportPdf();
    // The test mode's print after it read the tuning data: the printer dialog, then the one
    // tuning-data page. True when the job ran.
    bool PrintTuningData();

    QPrinter& Printer() { return m_printer; }

private:
    std::optional<PrintSelection> ChooseSections();
    // The printer dialog over the prepared job's pages, then the pages; false when cancelled.
    bool PrintPrepared(int pages);

    Session& m_session;
    Notifier& m_notifier;
    QWidget* m_window;
    PrintPipeline m_pipeline;
    QPrinter m_printer;
};

} // namespace rpx::gui
