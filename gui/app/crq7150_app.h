#pragma once

#include <QAudioDevice>
#include <QFont>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/app/settings.h"
#include "core/link/serial_port.h"
#include "core/radio/document.h"
#include "core/text/language_table.h"
#include "gui/link/radio_port_device.h"
#include "gui/tone/alert_tone_play.h"
#include "gui/tone/tone_player.h"

namespace rpx::gui {

class CMainFrame;

// What a start needs from outside: the arguments after the program name, where the language files
// may be, where the settings live, and who shows the messages.
struct StartupOptions {
    std::vector<std::string> arguments;
    std::vector<std::string> languageDirectories;
    std::string programDirectory;
    SettingsStore* settingsStore = nullptr;
    Messenger* messenger = nullptr;
    bool showSplash = true;
    // The sound output of the alert tone player; unset, the system's default (a null device stands
    // for a machine without one).
    std::optional<QAudioDevice> soundOutput;
};

// The application: settings, texts, the image and the radio port for the whole run, the start-up
// steps and the settings written back at exit.
class CRQ7150App {
public:
    explicit CRQ7150App(StartupOptions options);
    ~CRQ7150App();
    CRQ7150App(const CRQ7150App&) = delete;
    CRQ7150App& operator=(const CRQ7150App&) = delete;

    // The start-up steps up to the shown main window; false ends the program with exit code 1.
    bool InitInstance();
    // Writes the settings back.
    void ExitInstance();

    Session& GetSession() { return m_session; }
    const LanguageTable& Texts() const { return m_texts; }
    Notifier& GetNotifier() { return m_notifier; }
    Document& GetDocument() { return m_document; }
    SerialPort& RadioPort() { return m_radioPort; }
    RadioPortDevice& RadioDevice() { return m_radioDevice; }
    const QFont& FixedFont() const { return m_fixedFont; }
    AlertTonePlay& AlertTones() { return m_alertTones; }
    const std::string& ProgramDirectory() const { return m_options.programDirectory; }
    SettingsStore& Store() { return *m_options.settingsStore; }
    CMainFrame* MainFrame() { return m_mainFrame.get(); }

private:
    StartupOptions m_options;
    AppSettings m_settings;
    Session m_session;
    LanguageTable m_texts;
    Notifier m_notifier;
    Document m_document;
    RadioPortDevice m_radioDevice;
    SerialPort m_radioPort;
    QFont m_fixedFont;
    TonePlayer m_tonePlayer;
    AlertTonePlay m_alertTones;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

} // namespace rpx::gui
