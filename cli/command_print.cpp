#include <QGuiApplication>

#include <memory>

#include "cli/commands.h"
#include "core/report/print_selection_rules.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "gui/report/pdf_export.h"

namespace rpx::cli {

namespace {

constexpr TextId kRecordTitle = 3018023;

std::string SectionNames() {
    std::string names = "all";
    for (const PrintSectionInfo& info : PrintSectionTable())
        names += std::string(" ") + std::string(info.name);
    return names;
}

// Pages need fonts, and fonts a GUI application; it draws on no screen.
void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 3;
    static char name[] = "rpx41c-cli", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace

// The printed record of a data file as a PDF, with the sections the Print dialog would check.
int RunPrint(const CliContext& context) {
    const std::string* sections = context.line.Value("sections");
    const std::string* outputPath = context.line.Value("o");
    if (!sections || !outputPath)
        return context.UsageError("--sections LIST and -o OUT.pdf are needed");
    const std::string& list = *sections;
    const std::string& output = *outputPath;
    if (!context.Open(context.line.args[0]))
        return kExitFailed;

    PrintSelectionRules rules(context.session);
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        start = comma + 1;
        if (name == "all") {
            rules.SelectAll();
            continue;
        }
        const PrintSectionInfo* section = FindPrintSection(name);
        if (!section)
            return context.UsageError("a section is one of " + SectionNames() + ", not " + name);
        rules.Check(section->section, true);
        if (!rules.IsChecked(section->section))
            return context.UsageError("this data has no " + name + " section to print");
    }

    EnsureGuiApplication();
    TestModeState noTestMode;
    PrintPipeline pipeline(context.session, context.notifier, noTestMode);
    pipeline.RequestFromDialog(rules.Selection());
    const Result<int> pages = gui::ExportPdf(pipeline, output, context.notifier.Text(kRecordTitle));
    if (!pages) {
        context.notifier.ShowFilled(txt::kSaveFailed, output, pages.Message(), txt::kCaptionError,
                                    MessageButtons::Ok, MessageIcon::Stop);
        return kExitFailed;
    }
    context.out << output << ": " << *pages << (*pages == 1 ? " page" : " pages") << '\n';
    return kExitOk;
}

} // namespace rpx::cli
