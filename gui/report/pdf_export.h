#pragma once

#include <string>

#include "core/app/result.h"
#include "core/report/print_pipeline.h"

namespace rpx::gui {

// Runs the pipeline's next job into a PDF file at path, saved safely (the old file stays whole
// until the new one is complete). The page count, or why the file could not be written.
Result<int> ExportPdf(PrintPipeline& pipeline, const std::string& path, const std::string& title);

} // namespace rpx::gui
