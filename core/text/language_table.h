#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_id.h"

namespace rpx {

enum class LoadResult { Ok = 0, CannotOpen = 1, Damaged = 2 };

enum class TextMode {
    AsLoaded = 0,         // the text as in the file; stays valid for the whole run
    WithoutMnemonics = 1, // every '&' removed, at most 255 characters; valid until the next such call
};

// The user-interface texts, looked up by TextId. Filled once at start-up from the language file
// of each group (group = TextId / 1000000) and never changed afterwards.
class LanguageTable {
public:
    static constexpr std::size_t kPoolSize = 20480;
    static constexpr std::size_t kMaxEntries = 600;
    static constexpr std::size_t kMaxGroups = 15;
    static constexpr std::size_t kResultSize = 256;
    // Far above any real language file (ours are 15 kB with lines below 400 characters); a file
    // beyond them (a link to /dev/zero, a runaway comment) counts as damaged instead of being
    // read without end.
    static constexpr std::size_t kMaxLineLength = 64 * 1024;
    static constexpr std::size_t kMaxFileSize = 8 * 1024 * 1024;

    // Opens the language file of a group by its file name; null when it cannot be opened.
    using FileOpener = std::function<std::unique_ptr<std::istream>(const std::string& fileName)>;

    LanguageTable();
    virtual ~LanguageTable() = default;
    LanguageTable(const LanguageTable&) = delete;
    LanguageTable& operator=(const LanguageTable&) = delete;

    void SetDirectory(std::string directory) { m_directory = std::move(directory); }
    const std::string& Directory() const { return m_directory; }

    // Loads the texts of ids (sorted in place) from the regular files in the directory. An id that
    // has a text in fallback is optional: a file that lacks it keeps the fallback's text (so the
    // fallback must outlive this table).
    LoadResult Load(std::vector<TextId>& ids, const LanguageTable* fallback = nullptr);
    // The same, reading each group's file through open.
    LoadResult Load(std::vector<TextId>& ids, const FileOpener& open,
                    const LanguageTable* fallback = nullptr);

    // The text of id, or the empty text when it has none. Never null.
    const char* GetText(TextId id, TextMode mode = TextMode::AsLoaded) const;
    // The text of id as loaded; null when it has none.
    const char* Find(TextId id) const;

    // "Common.lng" for group 1, "Rpx41c.lng" for group 3, empty for any other group.
    static std::string FileNameOfGroup(int group);
    // The TextId a marker line names ("^#" and nine digits, the rest ignored); nothing for any other line.
    static std::optional<TextId> MarkerId(std::string_view line);

private:
    struct Entry {
        TextId id = 0;              // 0: not found
        const char* text = nullptr; // into the pool, or into the fallback table
    };
    struct Group {
        std::size_t firstEntry = 0;
        int group = 0;
    };

    LoadResult LoadGroup(const std::vector<TextId>& ids, std::size_t first, std::size_t end,
                         std::istream& file, const LanguageTable* fallback);
    bool StoreText(std::size_t entry, TextId id, const std::string& line);

    std::string m_directory;
    std::vector<char> m_pool;
    std::size_t m_poolUsed = 0;
    std::vector<Entry> m_entries;
    std::vector<Group> m_groups;
    mutable std::array<char, kResultSize> m_result{};
};

} // namespace rpx
