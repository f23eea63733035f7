#include "tests/support/test_texts.h"

#include <stdexcept>

#include "core/text/startup_texts.h"

namespace rpx::test {

const LanguageTable& ShippedTexts() {
    static const LanguageTable* table = [] {
        auto* t = new LanguageTable;
        t->SetDirectory(RPX_SOURCE_DIR "/resources/lang");
        std::vector<TextId> ids = StartupTextIds();
        if (t->Load(ids) != LoadResult::Ok)
            throw std::runtime_error("shipped language files do not load");
        return t;
    }();
    return *table;
}

std::string ShippedText(TextId id) {
    return ShippedTexts().GetText(id);
}

const LanguageTable& NoTexts() {
    static const LanguageTable table;
    return table;
}

} // namespace rpx::test
