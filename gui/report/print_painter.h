#pragma once

#include <QPagedPaintDevice>

#include <ctime>

#include "core/report/print_pipeline.h"

namespace rpx::gui {

// Draws the pages of a prepared job (OnPreparePrinting done) onto a printer or a PDF writer:
// begins the job with the time now, draws pages first..last (1-based), ends the job. False when
// the device cannot be painted on (the job still ends).
bool PaintPrintJob(PrintPipeline& pipeline, QPagedPaintDevice& device, const std::tm& now, int first,
                   int last);

// Draws one page with the painter active on its device.
void PaintPage(QPainter& painter, const PrintPage& page);

// The local time now, for a job's date and time.
std::tm LocalTimeNow();

} // namespace rpx::gui
