#include "core/text/startup_texts.h"

#include "core/text/text_ids.h"

namespace rpx {

namespace {

struct IdRange {
    TextId first;
    TextId last;
    TextId step; // 2: every odd number, 1: every number
};

constexpr IdRange kOriginalRanges[] = {
    {1001001, 1001039, 2}, {1001045, 1001049, 2}, {1001050, 1001050, 1}, {1001051, 1001077, 2},
    {1005001, 1005011, 2}, {1006001, 1006011, 2}, {3001001, 3001001, 1}, {3001003, 3001003, 1},
    {3002001, 3002059, 2}, {3002101, 3002131, 2}, {3003001, 3003063, 2}, {3004001, 3004035, 2},
    {3005001, 3005005, 1}, {3005007, 3005027, 2}, {3006001, 3006027, 2}, {3007001, 3007013, 2},
    {3008001, 3008007, 2}, {3009001, 3009025, 2}, {3010001, 3010067, 2}, {3010101, 3010111, 2},
    {3010115, 3010151, 2}, {3011001, 3011023, 2}, {3012001, 3012017, 2}, {3012021, 3012057, 2},
    {3013001, 3013045, 2}, {3014001, 3014001, 1}, {3015001, 3015005, 2}, {3015009, 3015009, 1},
    {3016001, 3016007, 2}, {3017001, 3017095, 2}, {3018001, 3018017, 2}, {3018021, 3018021, 1},
    {3018023, 3018023, 1}, {3019001, 3019157, 2},
};

constexpr TextId kOwnTextIds[] = {txt::kSaveFailed,    txt::kOpenFailed, txt::kPortPermission,
                                  txt::kPartlyWritten, txt::kModelCodes, txt::kPortNoAccess};

constexpr const char* kCannotRead = "Can't read language file.  Please install this software again.";
constexpr const char* kDamaged = "Language file has been damaged.  Please install this software again.";

} // namespace

std::vector<TextId> OriginalTextIds() {
    std::vector<TextId> ids;
    for (const IdRange& range : kOriginalRanges)
        for (TextId id = range.first; id <= range.last; id += range.step)
            ids.push_back(id);
    return ids;
}

std::vector<TextId> StartupTextIds() {
    std::vector<TextId> ids = OriginalTextIds();
    ids.insert(ids.end(), std::begin(kOwnTextIds), std::end(kOwnTextIds));
    return ids;
}

bool LoadTexts(LanguageTable& table, Messenger& messenger, const std::vector<std::string>& directories) {
    LoadResult result = LoadResult::CannotOpen;
    for (const std::string& directory : directories) {
        table.SetDirectory(directory);
        std::vector<TextId> ids = StartupTextIds();
        result = table.Load(ids);
        if (result != LoadResult::CannotOpen)
            break;
    }
    if (result == LoadResult::Ok)
        return true;
    Message message;
    message.text = result == LoadResult::CannotOpen ? kCannotRead : kDamaged;
    message.caption = table.GetText(txt::kProgramName);
    message.icon = MessageIcon::Stop;
    messenger.Show(message);
    return false;
}

} // namespace rpx
