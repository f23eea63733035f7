#include "gui/app/crq7150_app.h"

#include <QMediaDevices>

#include <QFontDatabase>
#include <QStandardPaths>

#include <clocale>
#include <filesystem>

#include "core/app/program_paths.h"
#include "core/radio/image_defaults.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/qt_text.h"
#include "transport/port_discovery.h"

namespace rpx::gui {

CRQ7150App::CRQ7150App(StartupOptions options)
    : m_options(std::move(options)), m_notifier(*m_options.messenger, m_texts),
      m_document(m_session, m_notifier), m_radioPort(m_radioDevice, transport::PathOfDetectedPort),
      m_tonePlayer(*m_options.messenger, m_options.soundOutput.value_or(QMediaDevices::defaultAudioOutput())),
      m_alertTones(m_tonePlayer) {}

CRQ7150App::~CRQ7150App() = default;

bool CRQ7150App::InitInstance() {
    std::setlocale(LC_ALL, "");
    m_settings = ReadSettings(*m_options.settingsStore);
    m_radioPort.SetPortNumber(m_settings.comPort);
    m_radioPort.SetDevicePath(m_settings.devicePath);
    m_session.dataDirectory = m_settings.dataDirectory;

    // A data file may be named on the command line; the extended-mode phrase is no file name.
    const std::string raw = RawCommandLine(m_options.arguments);
    m_session.extendedMode = IsExtendedModePhrase(raw);

    if (!LoadTexts(m_texts, *m_options.messenger, m_options.languageDirectories))
        return false;
    if (m_session.dataDirectory.empty())
        m_session.dataDirectory =
            DefaultDataDirectory(m_options.programDirectory,
                                 FromQt(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));

    MakeFirstImage(m_session.image, m_settings.model, m_session.extendedMode);
    m_session.titleFilePart = m_notifier.Text(txt::kUntitled);
    m_fixedFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    m_mainFrame = std::make_unique<CMainFrame>(*this, m_options.showSplash);
    SerialPort& board = m_mainFrame->Board().BoardPort();
    board.SetPortNumber(m_settings.boardPort);
    board.SetDevicePath(m_settings.boardDevicePath);
    if (!m_session.extendedMode && m_options.arguments.size() == 1)
        m_mainFrame->OpenFile(m_options.arguments.front());
    m_mainFrame->show();
    return true;
}

void CRQ7150App::ExitInstance() {
    m_settings.comPort = m_radioPort.PortNumber();
    m_settings.model = ModelSettingFromImage(m_session.image);
    m_settings.dataDirectory = m_session.dataDirectory;
    m_settings.devicePath = m_radioPort.ChosenDevicePath();
    if (m_mainFrame) {
        const SerialPort& board = m_mainFrame->Board().BoardPort();
        m_settings.boardPort = board.PortNumber();
        m_settings.boardDevicePath = board.ChosenDevicePath();
    }
    WriteSettings(*m_options.settingsStore, m_settings);
}

} // namespace rpx::gui
