#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

#include "core/text/language_table.h"

namespace rpx::gui {

// The language files and the image hold 8-bit text; Latin-1 keeps every byte as it is.
inline QString ToQt(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string FromQt(const QString& text) { return text.toLatin1().toStdString(); }
inline QStringList ToQtList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items)
        list.push_back(ToQt(item));
    return list;
}
inline QString Tr(const LanguageTable& texts, TextId id, TextMode mode = TextMode::AsLoaded) {
    return ToQt(texts.GetText(id, mode));
}

} // namespace rpx::gui
