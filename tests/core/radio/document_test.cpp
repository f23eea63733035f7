#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>

#include "core/radio/document.h"
#include "core/radio/image_layout.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;

constexpr TextId kNewQuestion = 3003011;
constexpr TextId kNotDataFile = 3003013;
constexpr TextId kOverwriteQuestion = 3003015;
constexpr TextId kHiddenFunctionsRefused = 3003017;

// The untitled name and the failure texts, so tests see file names and filled-in reasons.
const LanguageTable& Texts() {
    static const LanguageTable* table = [] {
        auto* t = new LanguageTable;
        std::vector<TextId> ids = {txt::kUntitled, txt::kSaveFailed, txt::kOpenFailed};
        t->Load(ids, [](const std::string&) {
            return std::make_unique<std::istringstream>(
                "^#003001003\nNoName.dat\n^#003020001\nsave %1: %2\n^#003020003\nopen %1: %2\n");
        });
        return t;
    }();
    return *table;
}

// Byte n is n * 5 + seed, hidden functions off, the given port mode.
RadioImage PatternImage(uint8_t seed, uint8_t portMode = 0) {
    RadioImage image;
    for (std::size_t n = 0; n < RadioImage::kSize; ++n)
        image.SetByte(n, static_cast<uint8_t>(n * 5 + seed));
    image.SetBit(RadioImage::kModelOptions, 6, true);
    image.SetByte(layout::kPortMode, portMode);
    return image;
}

// Writes past limit bytes fail as on a full disk, whatever the user's rights.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    void (*m_handler)(int);
    rlimit m_saved{};
};

class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& folder) : m_saved(fs::current_path()) { fs::current_path(folder); }
    ~CurrentFolder() { fs::current_path(m_saved); }

private:
    fs::path m_saved;
};

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() {
        m_session.image = PatternImage(1, layout::kTrunkingPortMode);
        m_session.trunkingMode = true;
        m_session.titleFilePart = "Old.dat";
        m_session.currentFilePath = (m_dir / "Old.dat").string();
        m_session.dataDirectory = m_dir.Path().string();
    }

    // The session's fields that a refused or failed command must leave alone.
    auto State() const {
        return std::tuple(m_session.image, m_session.trunkingMode, m_session.titleFilePart,
                          m_session.currentFilePath, m_session.dataDirectory);
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir.Path()), {}));
    }
    void ExpectError(TextId text, const std::string& startsWith = "") const {
        ASSERT_FALSE(m_messenger.Shown().empty());
        const Message& box = m_messenger.Shown().back();
        EXPECT_EQ(box.textIds, std::vector<TextId>{text});
        EXPECT_EQ(box.text.rfind(startsWith, 0), 0u) << box.text;
        EXPECT_EQ(std::tuple(box.captionId, box.buttons, box.icon),
                  std::tuple(txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop));
    }

    test::TempDir m_dir;
    test::ScriptedMessenger m_messenger;
    Notifier m_notifier{m_messenger, Texts()};
    Session m_session;
    Document m_document{m_session, m_notifier};
};

TEST_F(DocumentTest, SaveAsThenOpenRestoresEveryByteAndNamesTheFile) {
    const RadioImage saved = PatternImage(9);
    m_session.image = saved;
    ASSERT_TRUE(m_document.FileSaveAs(m_dir / "Site1.dat"));
    EXPECT_EQ(m_session.titleFilePart, "Site1.dat");
    EXPECT_EQ(fs::path(m_session.dataDirectory), m_dir.Path());

    m_session = Session{};
    ASSERT_TRUE(m_document.FileOpen(m_dir / "Site1.dat"));
    EXPECT_EQ(m_session.image, saved);
    EXPECT_EQ(m_session.titleFilePart, "Site1.dat");
    EXPECT_EQ(fs::path(m_session.currentFilePath), m_dir / "Site1.dat");
    EXPECT_EQ(fs::path(m_session.dataDirectory), m_dir.Path());
    EXPECT_TRUE(m_messenger.Shown().empty());
}

TEST_F(DocumentTest, OpenAcceptsBothMagicsAndLongerFilesAndTakesTrunkingModeFromThePortMode) {
    struct Case {
        const char* magic;
        uint8_t portMode;
        bool trunking;
    };
    for (const Case& c : {Case{"RZ7150", 3, true}, Case{"RQ7150", 0, false}, Case{"RZ7150", 2, false}}) {
        m_session.trunkingMode = !c.trunking;
        std::vector<uint8_t> bytes = SerialiseDataFile(PatternImage(7, c.portMode));
        std::copy_n(c.magic, 6, bytes.begin());
        bytes.resize(kDataFileSize + 300, 0x42);
        m_dir.Write("in.dat", bytes);
        ASSERT_TRUE(m_document.FileOpen(m_dir / "in.dat")) << c.magic;
        EXPECT_EQ(m_session.image, PatternImage(7, c.portMode));
        EXPECT_EQ(m_session.trunkingMode, c.trunking);
    }
}

TEST_F(DocumentTest, OpenRefusalsReportAndLeaveTheSessionUntouched) {
    RadioImage hidden = PatternImage(3);
    hidden.SetBit(RadioImage::kModelOptions, 6, false);
    m_dir.Write("hidden.dat", SerialiseDataFile(hidden));
    std::vector<uint8_t> bytes = SerialiseDataFile(PatternImage(3));
    bytes.pop_back();
    m_dir.Write("short.dat", bytes);
    bytes.push_back(0);
    bytes[5] = '1';
    m_dir.Write("magic.dat", bytes);
    fs::create_directory(m_dir / "folder.dat");
    const std::pair<const char*, TextId> cases[] = {{"hidden.dat", kHiddenFunctionsRefused},
                                                    {"short.dat", kNotDataFile},
                                                    {"magic.dat", kNotDataFile},
                                                    {"missing.dat", txt::kOpenFailed},
                                                    {"folder.dat", txt::kOpenFailed}};
    const auto before = State();
    for (const auto& [name, text] : cases) {
        m_messenger.Clear();
        EXPECT_FALSE(m_document.FileOpen(m_dir / name)) << name;
        EXPECT_EQ(State(), before) << name;
        EXPECT_EQ(m_messenger.Shown().size(), 1u);
        ExpectError(text, text == txt::kOpenFailed ? "open " + (m_dir / name).string() + ": " : "");
    }
    m_session.extendedMode = true;
    EXPECT_TRUE(m_document.FileOpen(m_dir / "hidden.dat"));
    EXPECT_EQ(m_session.image, hidden);
}

TEST_F(DocumentTest, SaveAsksBeforeOverwritingAndWritesOnlyOnOk) {
    for (MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Ok}) {
        m_dir.Write("Old.dat", SerialiseDataFile(PatternImage(2)));
        m_messenger.Clear();
        m_messenger.Answer(answer);
        EXPECT_EQ(m_document.FileSave(), answer == MessageAnswer::Ok);
        const RadioImage expected = answer == MessageAnswer::Ok ? m_session.image : PatternImage(2);
        EXPECT_EQ(ReadFileBytes(m_dir / "Old.dat"), SerialiseDataFile(expected));
        ASSERT_EQ(m_messenger.ShownIds(), std::vector<TextId>{kOverwriteQuestion});
        const Message& box = m_messenger.Shown()[0];
        EXPECT_EQ(std::tuple(box.text, box.captionId, box.buttons, box.icon, box.defaultButton),
                  std::tuple("Old.dat", txt::kCaptionConfirm, MessageButtons::OkCancel,
                             MessageIcon::Exclamation, DefaultButton::Second));
    }
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DocumentTest, FileNewKeepsTheModelAndSaveWritesTheUntitledNameIntoTheDataDirectory) {
    Session other;
    other.image = PatternImage(200);
    for (RadioImage* image : {&m_session.image, &other.image}) {
        image->SetModelString("MDL1B");
        image->SetRangeCode(0x23);
        image->SetByte(RadioImage::kModelOptions, 0xBF);
        image->SetByte(RadioImage::kModelOptions + 1, 0x12);
    }
    const RadioImage before = m_session.image;
    m_messenger.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(m_document.FileNew());
    EXPECT_EQ(m_session.image, before);
    ASSERT_TRUE(m_document.FileNew());
    EXPECT_EQ(m_messenger.ShownIds(), (std::vector<TextId>{kNewQuestion, kNewQuestion}));
    EXPECT_EQ(m_messenger.Shown()[0].defaultButton, DefaultButton::Second);
    EXPECT_EQ(m_session.image.ModelCode(), "MDL1B\x23");
    EXPECT_EQ(m_session.image.Byte(RadioImage::kModelOptions), 0xBF);
    EXPECT_EQ(m_session.image.Byte(layout::kPortMode), 0);
    EXPECT_FALSE(m_session.trunkingMode);
    EXPECT_EQ(m_session.titleFilePart, "NoName.dat");
    // Nothing of the old image but its model identity survives.
    Document(other, m_notifier).FileNew();
    EXPECT_EQ(m_session.image, other.image);

    ASSERT_TRUE(m_document.FileSave());
    EXPECT_EQ(ReadFileBytes(m_dir / "NoName.dat"), SerialiseDataFile(m_session.image));
    EXPECT_EQ(std::tuple(m_session.titleFilePart, fs::path(m_session.dataDirectory)),
              std::tuple("NoName.dat", m_dir.Path()));
}

TEST_F(DocumentTest, SaveWithoutDataDirectoryWritesIntoTheCurrentFolderAndAsksBeforeOverwriting) {
    test::TempDir current;
    CurrentFolder inside(current.Path());
    current.Write("Old.dat", SerialiseDataFile(PatternImage(2)));
    m_session.dataDirectory = (m_dir / "gone").string();
    m_messenger.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(m_document.FileSave());
    EXPECT_EQ(ReadFileBytes(current / "Old.dat"), SerialiseDataFile(PatternImage(2)));
    ASSERT_TRUE(m_document.FileSave());
    EXPECT_EQ(ReadFileBytes(current / "Old.dat"), SerialiseDataFile(m_session.image));
    EXPECT_EQ(m_messenger.ShownIds(), (std::vector<TextId>{kOverwriteQuestion, kOverwriteQuestion}));
    EXPECT_FALSE(fs::exists(m_dir / "gone"));
    EXPECT_EQ(m_session.dataDirectory, (m_dir / "gone").string());
}

TEST_F(DocumentTest, SavingOverAFileKeepsItsPermissionsAndSymbolicLinks) {
    m_dir.Write("real.dat", SerialiseDataFile(PatternImage(2)));
    fs::permissions(m_dir / "real.dat",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(m_dir / "real.dat", m_dir / "link.dat");
    ASSERT_TRUE(m_document.FileSaveAs(m_dir / "link.dat"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.dat"));
    EXPECT_EQ(ReadFileBytes(m_dir / "real.dat"), SerialiseDataFile(m_session.image));
    EXPECT_EQ(fs::status(m_dir / "real.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(DocumentTest, WriteFailuresReportAndKeepTheOldFileAndTheSession) {
    m_dir.Write("plain", std::string("not a folder"));
    struct Case {
        const char* name;
        bool saveAs;
        fs::path target;
        rlim_t sizeLimit; // 0: none
    };
    const Case cases[] = {
        {"parent is a file", true, m_dir / "plain" / "x.dat", 0},
        {"name too long", true, m_dir / (std::string(300, 'n') + ".dat"), 0},
        {"disk full on save as", true, m_dir / "Old.dat", 1000},
        {"disk full on save", false, m_dir / "Old.dat", 1000},
    };
    for (const Case& c : cases) {
        m_dir.Write("Old.dat", SerialiseDataFile(PatternImage(2)));
        const auto before = State();
        const std::size_t files = FilesInFolder();
        m_messenger.Clear();
        {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit != 0)
                limit.emplace(c.sizeLimit);
            EXPECT_FALSE(c.saveAs ? m_document.FileSaveAs(c.target) : m_document.FileSave()) << c.name;
        }
        EXPECT_EQ(State(), before) << c.name;
        EXPECT_EQ(ReadFileBytes(m_dir / "Old.dat"), SerialiseDataFile(PatternImage(2))) << c.name;
        EXPECT_EQ(FilesInFolder(), files) << c.name; // no temporary file left behind
        EXPECT_EQ(m_messenger.Shown().size(), c.saveAs ? 1u : 2u) << c.name;
        ExpectError(txt::kSaveFailed, "save " + c.target.string() + ": ");
        EXPECT_GT(m_messenger.Shown().back().text.size(), c.target.string().size() + 7) << "no reason given";
    }
}

TEST_F(DocumentTest, PreviewShowsTheMessageOfDataFilesOnly) {
    RadioImage image = PatternImage(4);
    image.Fill(layout::kEmbeddedMessage, 64, 0xFF);
    for (std::size_t i = 0; i < 5; ++i)
        image.SetByte(layout::kEmbeddedMessage + i, static_cast<uint8_t>("HELLO"[i]));
    for (const char* name : {"a.dat", "b.DAT", "c.txt"})
        m_dir.Write(name, SerialiseDataFile(image));
    m_dir.Write("d.dat", std::string("not a data file"));
    const std::pair<const char*, std::optional<MessagePreview>> cases[] = {
        {"a.dat", MessagePreview{"HELLO", ""}},
        {"b.DAT", MessagePreview{"HELLO", ""}},
        {"c.txt", std::nullopt},
        {"missing.dat", std::nullopt},
        {"d.dat", MessagePreview{}}};
    const auto before = State();
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(m_document.Preview(m_dir / name), expected) << name;
    EXPECT_EQ(State(), before);
}

} // namespace
} // namespace rpx
