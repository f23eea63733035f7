#include "core/exchange/image_diff.h"

#include <algorithm>
#include <cstdio>

namespace rpx {

namespace {

const std::string* TextOf(const std::vector<ImageField>& fields, const std::string& key) {
    const auto it = std::ranges::find(fields, key, &ImageField::key);
    return it == fields.end() ? nullptr : &it->text;
}

} // namespace

ImageDiff DiffImages(const RadioImage& before, const RadioImage& after, bool extendedMode,
                     const LanguageTable& texts) {
    ImageDiff diff;
    if (std::ranges::equal(before.Bytes(), after.Bytes()))
        return diff;
    const std::vector<ImageField> was = ImageFields(before, extendedMode, texts);
    const std::vector<ImageField> is = ImageFields(after, extendedMode, texts);
    for (const ImageField& field : was) {
        const std::string* now = TextOf(is, field.key);
        if (now == nullptr || *now != field.text)
            diff.fields.push_back({field.key, field.text, now ? *now : std::string()});
    }
    for (const ImageField& field : is)
        if (TextOf(was, field.key) == nullptr)
            diff.fields.push_back({field.key, "", field.text});
    // A byte is listed by offset when changing it alone leaves every field as it was.
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset) {
        if (before.Byte(offset) == after.Byte(offset))
            continue;
        RadioImage probe = before;
        probe.SetByte(offset, after.Byte(offset));
        if (ImageFields(probe, extendedMode, texts) == was)
            diff.bytes.push_back({offset, before.Byte(offset), after.Byte(offset)});
    }
    return diff;
}

std::vector<std::string> DiffLines(const ImageDiff& diff) {
    std::vector<std::string> lines;
    for (const FieldChange& change : diff.fields)
        lines.push_back(change.key + ": " + change.before + " -> " + change.after);
    for (const ByteChange& change : diff.bytes) {
        char line[32];
        std::snprintf(line, sizeof line, "0x%03zX: %02X -> %02X", change.offset, change.before, change.after);
        lines.emplace_back(line);
    }
    return lines;
}

} // namespace rpx
