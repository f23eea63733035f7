#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

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
        std::vector<TextId> ids = {txt::kUntitled,       txt::kSaveFailed,       txt::kOpenFailed,
                                   txt::kNotRegularFile, txt::kDataFileTooShort, txt::kDataFileBadHeader,
                                   txt::kFileInUse};
        t->Load(ids, [](const std::string&) {
            return std::make_unique<std::istringstream>(
                "^#003001003\nNoName.dat\n^#003020001\nsave %1: %2\n^#003020003\nopen %1: %2\n"
                "^#003020101\nodd file\n^#003020103\n%1 short: %2\n^#003020105\n%1 header\n"
                "^#003020107\nlocked %1\n");
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
    void ExpectError(TextId text, const std::string& startsWith = "") const {
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

TEST_F(DocumentTest, SaveAsThroughALinkKeepsItAndOpenRestoresEveryByteAndTheTrunkingMode) {
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    m_dir.Write("real.dat", SerialiseDataFile(PatternImage(2)));
    fs::permissions(m_dir / "real.dat", perms);
    fs::create_symlink(m_dir / "real.dat", m_dir / "link.dat");
    const RadioImage saved = PatternImage(9, layout::kTrunkingPortMode);
    m_session.image = saved;
    ASSERT_TRUE(m_document.FileSaveAs(m_dir / "link.dat"));
    EXPECT_EQ(std::tuple(m_session.titleFilePart, fs::is_symlink(m_dir / "link.dat"),
                         fs::status(m_dir / "real.dat").permissions()),
              std::tuple("link.dat", true, perms));

    m_session = Session{};
    ASSERT_TRUE(m_document.FileOpen(m_dir / "real.dat"));
    EXPECT_EQ(std::tuple(m_session.image, m_session.trunkingMode, m_session.titleFilePart,
                         fs::path(m_session.currentFilePath), fs::path(m_session.dataDirectory)),
              std::tuple(saved, true, "real.dat", m_dir / "real.dat", m_dir.Path()));
    EXPECT_TRUE(m_messenger.Shown().empty());
}

TEST_F(DocumentTest, OpenRefusalsSayWhyAndLeaveTheSessionUntouched) {
    RadioImage hidden = PatternImage(3, 2); // a port mode other than trunking
    hidden.SetBit(RadioImage::kModelOptions, 6, false);
    m_dir.Write("hidden.dat", SerialiseDataFile(hidden));
    std::vector<uint8_t> bytes = SerialiseDataFile(PatternImage(3));
    bytes.pop_back();
    m_dir.Write("short.dat", bytes);
    bytes.push_back(0);
    bytes[5] = '1';
    m_dir.Write("magic.dat", bytes);
    fs::create_directory(m_dir / "folder.dat");
    ASSERT_EQ(mkfifo((m_dir / "fifo.dat").c_str(), 0600), 0); // opening it blindly waits for a writer
    const auto path = [this](const char* name) { return (m_dir / name).string(); };
    const struct {
        const char* name;
        TextId text;
        std::string says; // the whole text; the test's table has no texts of the original set
    } cases[] = {
        {"hidden.dat", kHiddenFunctionsRefused, ""},
        {"short.dat", kNotDataFile, "\n\n" + path("short.dat") + " short: 2063"},
        {"magic.dat", kNotDataFile, "\n\n" + path("magic.dat") + " header"},
        {"missing.dat", txt::kOpenFailed, "open " + path("missing.dat") + ": No such file or directory"},
        {"folder.dat", txt::kOpenFailed, "open " + path("folder.dat") + ": odd file"},
        {"fifo.dat", txt::kOpenFailed, "open " + path("fifo.dat") + ": odd file"}};
    const auto before = State();
    for (const auto& c : cases) {
        m_messenger.Clear();
        EXPECT_FALSE(m_document.FileOpen(m_dir / c.name)) << c.name;
        EXPECT_EQ(State(), before) << c.name;
        ASSERT_EQ(m_messenger.Shown().size(), 1u);
        ExpectError(c.text);
        EXPECT_EQ(m_messenger.Shown()[0].text, c.says) << c.name;
    }
    m_session.extendedMode = true;
    EXPECT_TRUE(m_document.FileOpen(m_dir / "hidden.dat"));
    EXPECT_EQ(std::tuple(m_session.image, m_session.trunkingMode), std::tuple(hidden, false));
}

TEST_F(DocumentTest, SaveAsksBeforeOverwritingAndKeepsTheOldFileUnlessWrittenWhole) {
    const struct {
        MessageAnswer answer;
        rlim_t sizeLimit; // 0: none; writes past it fail as on a full disk, whatever the user's rights
        bool written;
    } cases[] = {
        {MessageAnswer::Cancel, 0, false}, {MessageAnswer::Ok, 0, true}, {MessageAnswer::Ok, 1000, false}};
    const std::string target = (m_dir / "Old.dat").string();
    const auto before = State();
    for (const auto& c : cases) {
        m_dir.Write("Old.dat", SerialiseDataFile(PatternImage(2)));
        m_messenger.Clear();
        m_messenger.Answer(c.answer);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit lowered{c.sizeLimit != 0 ? c.sizeLimit : saved.rlim_cur, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
        EXPECT_EQ(m_document.FileSave(), c.written) << c.sizeLimit;
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);

        EXPECT_EQ(ReadFileBytes(target), SerialiseDataFile(c.written ? m_session.image : PatternImage(2)));
        EXPECT_EQ(State(), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.Path()), {}), 1) << "a temporary file is left";
        ASSERT_EQ(m_messenger.ShownIds()[0], kOverwriteQuestion);
        const Message& box = m_messenger.Shown()[0];
        EXPECT_EQ(std::tuple(box.text, box.captionId, box.buttons, box.icon, box.defaultButton),
                  std::tuple("Old.dat", txt::kCaptionConfirm, MessageButtons::OkCancel,
                             MessageIcon::Exclamation, DefaultButton::Second));
        ASSERT_EQ(m_messenger.Shown().size(), c.sizeLimit != 0 ? 2u : 1u);
    }
    ExpectError(txt::kSaveFailed, "save " + target + ": ");
    EXPECT_GT(m_messenger.Shown().back().text.size(), target.size() + 7) << "no reason given";

    // A failed Save As does not adopt the name.
    m_dir.Write("plain", std::string("not a folder"));
    EXPECT_FALSE(m_document.FileSaveAs(m_dir / "plain" / "x.dat"));
    EXPECT_EQ(State(), before);
}

TEST_F(DocumentTest, SaveWaitsForAnotherEditorThenRefusesUnlessTheDocumentHoldsTheLock) {
    const fs::path target = m_dir / "Old.dat";
    m_dir.Write("Old.dat", SerialiseDataFile(PatternImage(2)));
    const auto before = State();
    {
        const Result<FileLock> other = FileLock::Acquire(target); // another program's read-modify-save
        ASSERT_TRUE(other);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(m_document.FileSaveAs(target));
        EXPECT_GE(std::chrono::steady_clock::now() - start, FileLock::kWait);
        EXPECT_EQ(ReadFileBytes(target), SerialiseDataFile(PatternImage(2)));
        EXPECT_EQ(State(), before);
        ExpectError(txt::kFileInUse, "locked " + target.string());
    }
    // Locks of one file conflict within a process too: a save must not take a second one.
    ASSERT_TRUE(m_document.LockFile(target));
    m_messenger.Clear();
    EXPECT_TRUE(m_document.FileSaveAs(target));
    EXPECT_EQ(ReadFileBytes(target), SerialiseDataFile(m_session.image));
    EXPECT_TRUE(m_messenger.Shown().empty());
}

TEST_F(DocumentTest, FileNewAsksAndKeepsOnlyTheModel) {
    Session other;
    other.image = PatternImage(200);
    for (RadioImage* image : {&m_session.image, &other.image}) {
        image->SetModelString("MDL1B");
        image->SetRangeCode(0x23);
        image->SetWord(RadioImage::kModelOptions, 0x12BF);
    }
    const RadioImage before = m_session.image;
    m_messenger.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(m_document.FileNew());
    EXPECT_EQ(m_session.image, before);
    ASSERT_TRUE(m_document.FileNew());
    EXPECT_EQ(m_messenger.ShownIds(), (std::vector<TextId>{kNewQuestion, kNewQuestion}));
    EXPECT_EQ(m_messenger.Shown()[0].defaultButton, DefaultButton::Second);
    EXPECT_EQ(m_session.image.ModelCode(), "MDL1B\x23");
    EXPECT_EQ(m_session.image.Word(RadioImage::kModelOptions), 0x12BF);
    EXPECT_EQ(std::tuple(m_session.trunkingMode, m_session.titleFilePart), std::tuple(false, "NoName.dat"));
    // Nothing of the old image but its model identity survives.
    Document(other, m_notifier).FileNew();
    EXPECT_EQ(m_session.image, other.image);
}

TEST_F(DocumentTest, PreviewShowsTheMessageOfDataFilesOnly) {
    RadioImage image = PatternImage(4);
    image.Fill(layout::kEmbeddedMessage, 64, 0xFF);
    for (std::size_t i = 0; i < 5; ++i)
        image.SetByte(layout::kEmbeddedMessage + i, static_cast<uint8_t>("HELLO"[i]));
    for (const char* name : {"a.dat", "b.DAT", "c.txt"})
        m_dir.Write(name, SerialiseDataFile(image));
    m_dir.Write("d.dat", std::string("not a data file"));
    ASSERT_EQ(mkfifo((m_dir / "fifo.dat").c_str(), 0600), 0);
    const std::pair<const char*, std::optional<MessagePreview>> cases[] = {
        {"a.dat", MessagePreview{"HELLO", ""}},
        {"b.DAT", MessagePreview{"HELLO", ""}},
        {"c.txt", std::nullopt},
        {"missing.dat", std::nullopt},
        {"d.dat", MessagePreview{}},
        {"fifo.dat", std::nullopt}};
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(m_document.Preview(m_dir / name), expected) << name;
}

} // namespace
} // namespace rpx
