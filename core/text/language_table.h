#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <string>
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

    // Opens the language file of a group by its file name; null when it cannot be opened.
    using FileOpener = std::function<std::unique_ptr<std::istream>(const std::string& fileName)>;

    LanguageTable();
    virtual ~LanguageTable() = default;
    LanguageTable(const LanguageTable&) = delete;
    LanguageTable& operator=(const LanguageTable&) = delete;

    void SetDirectory(std::string directory) { m_directory = std::move(directory); }
    const std::string& Directory() const { return m_directory; }

    // Loads the texts of ids (sorted in place) from the files in the directory.
    LoadResult Load(std::vector<TextId>& ids);
    // The same, reading each group's file through open.
    LoadResult Load(std::vector<TextId>& ids, const FileOpener& open);

    // The text of id, or the empty text when it has none. Never null.
    const char* GetText(TextId id, TextMode mode = TextMode::AsLoaded) const;

    // "Common.lng" for group 1, "Rpx41c.lng" for group 3, empty for any other group.
    static std::string FileNameOfGroup(int group);

private:
    struct Entry {
        TextId id = 0; // 0: not found
        std::size_t poolOffset = 0;
    };
    struct Group {
        std::size_t firstEntry = 0;
        int group = 0;
    };

    LoadResult LoadGroup(const std::vector<TextId>& ids, std::size_t first, std::size_t end, std::istream& file);
    bool StoreText(std::size_t entry, TextId id, const std::string& line);

    std::string m_directory;
    std::vector<char> m_pool;
    std::size_t m_poolUsed = 0;
    std::vector<Entry> m_entries;
    std::vector<Group> m_groups;
    mutable std::array<char, kResultSize> m_result{};
};

} // namespace rpx
