#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "core/text/language_table.h"

namespace rpx::gui {

// The language files and the image hold 8-bit text; Latin-1 keeps every byte as it is.
inline QString ToQt(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string FromQt(const QString& text) { return text.toLatin1().toStdString(); }
inline QString Tr(const LanguageTable& texts, TextId id, TextMode mode = TextMode::AsLoaded) {
    return ToQt(texts.GetText(id, mode));
}

} // namespace rpx::gui
