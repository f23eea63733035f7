#include "gui/report/print_painter.h"

#include <QFontMetrics>
#include <QPainter>

namespace rpx::gui {

namespace {

// The rule gaps of a page are counted at this resolution.
constexpr double kGapDpi = 600.0;
constexpr int kBodyStartLines = 10;

// "Times New Roman", or the metric-compatible serif the system puts in its place.
QFont PageFont(PrintFont font, QPaintDevice* device) {
    QFont face(QStringLiteral("Times New Roman"));
    face.setStyleHint(QFont::Serif);
    face.setPointSize(font == PrintFont::Header ? 11 : 10);
    return QFont(face, device);
}

// The column unit: the mean width of the lower-case letters. A font's own average width counts
// every glyph it holds and differs between faces that print the same text equally wide.
int AverageCharWidth(const QFontMetrics& metrics) {
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    return metrics.horizontalAdvance(letters) / static_cast<int>(letters.size());
}

} // namespace

void PaintPage(QPainter& painter, const PrintPage& page) {
    QPaintDevice* device = painter.device();
    const QFont header = PageFont(PrintFont::Header, device);
    const QFont body = PageFont(PrintFont::Body, device);
    const QFontMetrics headerMetrics(header, device);
    const QFontMetrics bodyMetrics(body, device);
    const int width = device->width();
    const int bodyStart = kBodyStartLines * headerMetrics.lineSpacing();

    for (const PrintText& text : page.texts) {
        const bool isHeader = text.font == PrintFont::Header;
        const QFontMetrics& metrics = isHeader ? headerMetrics : bodyMetrics;
        const QString words = QString::fromStdString(text.text);
        const int top =
            isHeader ? text.line * metrics.lineSpacing() : bodyStart + text.line * metrics.lineSpacing();
        int left = text.column * AverageCharWidth(metrics);
        if (text.align == PrintAlign::Centre)
            left = (width - metrics.horizontalAdvance(words)) / 2;
        else if (text.align == PrintAlign::Right)
            left = width - metrics.horizontalAdvance(words);
        painter.setFont(isHeader ? header : body);
        painter.drawText(left, top + metrics.ascent(), words);
    }
    const double gapScale = device->logicalDpiY() / kGapDpi;
    for (const PrintRule& rule : page.rules) {
        const int y = rule.line * headerMetrics.lineSpacing() + static_cast<int>(rule.gap * gapScale);
        painter.drawLine(0, y, width, y);
    }
}

bool PaintPrintJob(PrintPipeline& pipeline, QPagedPaintDevice& device, const std::tm& now, int first,
                   int last) {
    pipeline.OnBeginPrinting(now);
    QPainter painter;
    const bool painting = painter.begin(&device);
    for (int page = first; painting && page <= last; ++page) {
        if (page != first)
            device.newPage();
        PaintPage(painter, pipeline.OnPrint(page));
    }
    if (painting)
        painter.end();
    pipeline.OnEndPrinting();
    return painting;
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace rpx::gui
