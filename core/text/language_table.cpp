#include "core/text/language_table.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace rpx {

namespace {

constexpr char kEmptyText[4] = {0, 0, 0, 0};
constexpr int kGroupDivisor = 1000000;
constexpr TextId kLargestTextId = 999999999; // nine digits in a marker

bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

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

LoadResult LanguageTable::Load(std::vector<TextId>& ids) {
    return Load(ids, [this](const std::string& fileName) -> std::unique_ptr<std::istream> {
        auto file = std::make_unique<std::ifstream>(std::filesystem::path(m_directory) / fileName, std::ios::binary);
        if (!file->is_open())
            return nullptr;
        return file;
    });
}

LoadResult LanguageTable::Load(std::vector<TextId>& ids, const FileOpener& open) {
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
        const LoadResult result = LoadGroup(ids, m_groups[g].firstEntry, end, *file);
        if (result != LoadResult::Ok)
            return result;
    }
    return LoadResult::Ok;
}

LoadResult LanguageTable::LoadGroup(const std::vector<TextId>& ids, std::size_t first, std::size_t end, std::istream& file) {
    // The search only reads forward: a marker that stands before a smaller one is never found.
    std::string line;
    for (std::size_t i = first; i < end; ++i) {
        const TextId id = ids[i];
        char key[16];
        std::snprintf(key, sizeof key, "^#%.9d", static_cast<int>(id));
        bool found = false;
        while (ReadLine(file, line)) {
            if (line.compare(0, 11, key) == 0) {
                found = ReadLine(file, line);
                break;
            }
        }
        if (!found || !StoreText(i, id, line))
            return LoadResult::Damaged;
    }
    return LoadResult::Ok;
}

bool LanguageTable::StoreText(std::size_t entry, TextId id, const std::string& line) {
    const std::string text = ResolveEscapes(line);
    if (m_poolUsed + text.size() + 1 > kPoolSize)
        return false;
    std::copy(text.begin(), text.end(), m_pool.begin() + static_cast<std::ptrdiff_t>(m_poolUsed));
    m_pool[m_poolUsed + text.size()] = 0;
    m_entries[entry] = {id, m_poolUsed};
    m_poolUsed += text.size() + 1;
    return true;
}

const char* LanguageTable::GetText(TextId id, TextMode mode) const {
    const int group = id / kGroupDivisor;
    std::size_t start = 0;
    for (const Group& g : m_groups) {
        if (g.group == group) {
            start = g.firstEntry;
            break;
        }
    }
    const auto it = std::find_if(m_entries.begin() + static_cast<std::ptrdiff_t>(start), m_entries.end(),
                                 [id](const Entry& e) { return e.id == id && id != 0; });
    if (it == m_entries.end())
        return kEmptyText;
    const char* text = m_pool.data() + it->poolOffset;
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
