#include "gui/report/pdf_export.h"

#include <QBuffer>
#include <QPdfWriter>

#include "core/radio/safe_file_writer.h"
#include "gui/report/print_painter.h"

namespace rpx::gui {

namespace {

constexpr int kPdfResolution = 600;

} // namespace

Result<int> ExportPdf(PrintPipeline& pipeline, const std::string& path, const std::string& title) {
    const int pages = pipeline.OnPreparePrinting();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QString::fromStdString(title));
        PaintPrintJob(pipeline, writer, LocalTimeNow(), 1, pages);
    }
    const QByteArray& bytes = pdf.data();
    const Status saved = WriteFileSafely(
        path, {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    if (!saved)
        return Failure{saved.Message()};
    return pages;
}

} // namespace rpx::gui
