#pragma once

#include "core/text/language_table.h"

namespace rpx::test {

// The shipped language files, loaded once for tests that look at wording.
const LanguageTable& ShippedTexts();
// One text of the shipped files.
std::string ShippedText(TextId id);
// A table with no texts: every lookup gives the empty text. Enough where messages are checked by TextId.
const LanguageTable& NoTexts();

} // namespace rpx::test
