#include "core/text/language_table.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "core/app/regular_file.h"

namespace rpx {

namespace {

constexpr char kEmptyText[4] = {0, 0, 0, 0};
constexpr int kGroupDivisor = 1000000;
constexpr TextId kLargestTextId = 999999999; // nine digits in a marker
constexpr std::size_t kMarkerDigits = 9;

// Reads a language file line by line (CR LF or LF) within the size bounds of the table, and can
// hand one line back to be read again.
class LineReader {
public:
    explicit LineReader(std::istream& in) : m_in(*in.rdbuf()) {}

    // False at the end of the file and when the file breaks a bound (then Damaged()).
    bool Next(std::string& line) {
        if (m_pending) {
            line = std::move(*m_pending);
            m_pending.reset();
            return true;
        }
        line.clear();
        bool any = false;
        for (int c = m_in.sbumpc(); c != std::char_traits<char>::eof(); c = m_in.sbumpc()) {
            any = true;
            if (++m_read > LanguageTable::kMaxFileSize || line.size() > LanguageTable::kMaxLineLength) {
                m_damaged = true;
                return false;
            }
            if (c == '\n')
                break;
            line += static_cast<char>(c);
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return any;
    }
    void PutBack(std::string line) { m_pending = std::move(line); }
    bool Damaged() const { return m_damaged; }

private:
    std::streambuf& m_in;
    std::size_t m_read = 0;
    std::optional<std::string> m_pending;
    bool m_damaged = false;
};

std::string ResolveEscapes(const std::string& line) {
    std::string text;
    text.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c != '\\' || i + 1 == line.size()) {
            text += c;
            continue;
        }
        const char next = line[++i];
        text += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
    }
    return text;
}

} // namespace

LanguageTable::LanguageTable() : m_pool(kPoolSize, 0) {}

std::string LanguageTable::FileNameOfGroup(int group) {
    switch (group) {
    case 1:
        return "Common.lng";
    case 3:
        return "Rpx41c.lng";
    default:
        return {};
    }
}

std::optional<TextId> LanguageTable::MarkerId(std::string_view line) {
    if (line.size() < 2 + kMarkerDigits || line.substr(0, 2) != "^#")
        return std::nullopt;
    TextId id = 0;
    for (const char c : line.substr(2, kMarkerDigits)) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        id = id * 10 + (c - '0');
    }
    return id;
}

LoadResult LanguageTable::Load(std::vector<TextId>& ids, const LanguageTable* fallback) {
    const auto open = [this](const std::string& fileName) -> std::unique_ptr<std::istream> {
        // One byte more than allowed, so that an oversized file shows as damaged.
        const auto bytes =
            ReadRegularFile(std::filesystem::path(m_directory) / fileName, kMaxFileSize + 1, "");
        if (!bytes)
            return nullptr;
        return std::make_unique<std::istringstream>(std::string(bytes->begin(), bytes->end()));
    };
    return Load(ids, open, fallback);
}

LoadResult LanguageTable::Load(std::vector<TextId>& ids, const FileOpener& open,
                               const LanguageTable* fallback) {
    std::sort(ids.begin(), ids.end());
    m_entries.assign(ids.size(), Entry{});
    m_groups.clear();
    m_poolUsed = 0;
    // The table has fixed room; a request that does not fit counts as a damaged installation.
    if (ids.size() > kMaxEntries || (!ids.empty() && (ids.front() <= 0 || ids.back() > kLargestTextId)))
        return LoadResult::Damaged;

    int previousGroup = 1000;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const int group = ids[i] / kGroupDivisor;
        if (group == previousGroup)
            continue;
        if (m_groups.size() == kMaxGroups)
            return LoadResult::Damaged;
        m_groups.push_back({i, group});
        previousGroup = group;
    }
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        const std::size_t end = g + 1 < m_groups.size() ? m_groups[g + 1].firstEntry : ids.size();
        const std::string fileName = FileNameOfGroup(m_groups[g].group);
        auto file = fileName.empty() ? nullptr : open(fileName);
        if (!file)
            return LoadResult::CannotOpen;
        const LoadResult result = LoadGroup(ids, m_groups[g].firstEntry, end, *file, fallback);
        if (result != LoadResult::Ok)
            return result;
    }
    return LoadResult::Ok;
}

LoadResult LanguageTable::LoadGroup(const std::vector<TextId>& ids, std::size_t first, std::size_t end,
                                    std::istream& file, const LanguageTable* fallback) {
    // The search only reads forward: a marker that stands before a smaller one is never found.
    // An optional text ends its search at the first larger marker, which is then searched again
    // for the next id, so that a translation without it loads all the others.
    LineReader lines(file);
    std::string line;
    for (std::size_t i = first; i < end; ++i) {
        const TextId id = ids[i];
        const char* builtIn = fallback != nullptr ? fallback->Find(id) : nullptr;
        bool found = false;
        while (lines.Next(line)) {
            const std::optional<TextId> marker = MarkerId(line);
            if (marker == id) {
                found = lines.Next(line);
                break;
            }
            if (builtIn != nullptr && marker > id) {
                lines.PutBack(std::move(line));
                break;
            }
        }
        if (lines.Damaged())
            return LoadResult::Damaged;
        if (found) {
            if (!StoreText(i, id, line))
                return LoadResult::Damaged;
        } else if (builtIn != nullptr) {
            m_entries[i] = {id, builtIn};
        } else {
            return LoadResult::Damaged;
        }
    }
    return LoadResult::Ok;
}

bool LanguageTable::StoreText(std::size_t entry, TextId id, const std::string& line) {
    const std::string text = ResolveEscapes(line);
    if (m_poolUsed + text.size() + 1 > kPoolSize)
        return false;
    char* stored = m_pool.data() + m_poolUsed;
    std::copy(text.begin(), text.end(), stored);
    stored[text.size()] = 0;
    m_entries[entry] = {id, stored};
    m_poolUsed += text.size() + 1;
    return true;
}

const char* LanguageTable::Find(TextId id) const {
    if (id == 0)
        return nullptr;
    const int group = id / kGroupDivisor;
    std::size_t start = 0;
    for (const Group& g : m_groups) {
        if (g.group == group) {
            start = g.firstEntry;
            break;
        }
    }
    const auto it = std::find_if(m_entries.begin() + static_cast<std::ptrdiff_t>(start), m_entries.end(),
                                 [id](const Entry& e) { return e.id == id; });
    return it == m_entries.end() ? nullptr : it->text;
}

const char* LanguageTable::GetText(TextId id, TextMode mode) const {
    const char* text = Find(id);
    if (text == nullptr)
        return kEmptyText;
    if (mode == TextMode::AsLoaded)
        return text;
    std::size_t stored = 0;
    for (; *text != 0 && stored < kResultSize - 1; ++text) {
        if (*text != '&')
            m_result[stored++] = *text;
    }
    m_result[stored] = 0;
    return m_result.data();
}

} // namespace rpx
