#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/exchange/image_fields.h"

namespace rpx {

// A field whose shown text differs; an empty text where one image has no such field (a channel row
// whose dialog does not open).
struct FieldChange {
    std::string key;
    std::string before;
    std::string after;
};

// A byte that differs and that no field shows.
struct ByteChange {
    std::size_t offset;
    uint8_t before;
    uint8_t after;
};

struct ImageDiff {
    std::vector<FieldChange> fields;
    std::vector<ByteChange> bytes;
    bool Empty() const { return fields.empty() && bytes.empty(); }
};

// What turns image before into image after, by the fields the dialogs show (ImageFields), then by
// offset for every differing byte that changes no field when it alone is changed.
ImageDiff DiffImages(const RadioImage& before, const RadioImage& after, bool extendedMode,
                     const LanguageTable& texts);

// One line per change: "KEY: BEFORE -> AFTER", then "0xOFS: BB -> AA".
std::vector<std::string> DiffLines(const ImageDiff& diff);

} // namespace rpx
