// Feeds arbitrary bytes to the language loader as both language files, then looks up texts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "core/text/language_table.h"
#include "core/text/startup_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    rpx::LanguageTable table;
    std::vector<rpx::TextId> ids = rpx::StartupTextIds();
    const rpx::LoadResult result = table.Load(
        ids, [&content](const std::string&) { return std::make_unique<std::istringstream>(content); },
        &rpx::BuiltInTexts());
    for (rpx::TextId id : ids) {
        const char* text = table.GetText(id, rpx::TextMode::AsLoaded);
        const char* stripped = table.GetText(id, rpx::TextMode::WithoutMnemonics);
        if (text == nullptr || stripped == nullptr || std::strlen(stripped) > 255 ||
            std::strchr(stripped, '&'))
            std::abort();
        // A load that succeeds has a text for every id, from the file or built in.
        if (result == rpx::LoadResult::Ok &&
            (table.Find(id) == nullptr || std::strlen(text) > rpx::LanguageTable::kPoolSize))
            std::abort();
    }
    return 0;
}
