#include "gui/app/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QVBoxLayout>

#include "core/app/program_paths.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr int kContentsPage = 6;
constexpr TextId kHelpTitle = 3002051; // the Help topics command

QString PagePath(const QString& folder, int context) {
    return QDir(folder).filePath(QString::number(context) + ".html");
}

} // namespace

HelpWindow::HelpWindow(const LanguageTable& texts, const std::string& programDirectory)
    : m_browser(new QTextBrowser(this)) {
    // Beside the program when it runs from its build folder, else where it was installed.
    const QString beside = QDir(ToQt(programDirectory)).filePath("help");
    m_folder = QFileInfo::exists(beside)
                   ? beside
                   : QDir(ToQt(InstalledDataDirectory(programDirectory))).filePath("help");
    m_browser->setOpenLinks(true);
    m_browser->setSearchPaths({m_folder});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    setWindowTitle(Tr(texts, kHelpTitle, TextMode::WithoutMnemonics).section('\t', 0, 0));
    resize(560, 480);
}

void HelpWindow::ShowContext(int context) {
    const int page = QFileInfo::exists(PagePath(m_folder, context)) ? context : kContentsPage;
    m_browser->setSource(QUrl::fromLocalFile(PagePath(m_folder, page)));
    m_shownContext = page;
    show();
    raise();
    activateWindow();
}

} // namespace rpx::gui
